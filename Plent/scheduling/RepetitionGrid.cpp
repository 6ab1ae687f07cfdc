#include "RepetitionGrid.h"

#include <algorithm>

#include "Plent/model/CPlent.h"

namespace Plent {

using Platform::DateTime;

namespace {

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
int64_t ceilDiv(int64_t a, int64_t b) { return -floorDiv(-a, b); }

constexpr int FirstYear = 100;
constexpr int LastYear = 9999;

int64_t secondsPerUnit(int16_t retryMode)
{
    switch (retryMode) {
    case RetryMode::Minutes: return 60;
    case RetryMode::Hours: return 3600;
    case RetryMode::Days: return DateTime::SecondsPerDay;
    case RetryMode::Weeks: return 7 * DateTime::SecondsPerDay;
    default: return 0;
    }
}

} // namespace

const DateTime RepetitionGrid::End = DateTime::fromCivil(LastYear, 12, 31, 23, 59, 59);

RepetitionGrid::RepetitionGrid(int16_t retryMode, int16_t retry)
    : stepSeconds_(secondsPerUnit(retryMode) * retry),
      stepMonths_(retryMode == RetryMode::Months ? retry : retryMode == RetryMode::Years ? 12 * retry : 0)
{
}

std::optional<DateTime> RepetitionGrid::next(DateTime p) const
{
    if (fixedStep()) return point(p, 1);
    const Platform::CivilDateTime c = p.civil();
    if ((c.month - 1 + stepMonths_) / 12 > LastYear - c.year) return std::nullopt;
    return p.addMonths(stepMonths_);
}

std::optional<DateTime> RepetitionGrid::firstAfter(DateTime anchor, DateTime t) const
{
    if (fixedStep()) return point(anchor, std::max<int64_t>(1, floorDiv(t.seconds() - anchor.seconds(), stepSeconds_) + 1));
    std::optional<DateTime> p = anchor;
    do p = next(*p);
    while (p && *p <= t);
    return p;
}

std::optional<DateTime> RepetitionGrid::firstAtOrAfter(DateTime anchor, DateTime t) const
{
    return point(anchor, ceilDiv(t.seconds() - anchor.seconds(), stepSeconds_));
}

std::optional<DateTime> RepetitionGrid::previous(DateTime p) const
{
    const DateTime back = fixedStep() ? p.addSeconds(-stepSeconds_) : p.addMonths(-stepMonths_);
    if (back.civil().year < FirstYear || back >= p) return std::nullopt;
    return back;
}

std::optional<DateTime> RepetitionGrid::lastAtOrBefore(DateTime anchor, DateTime t) const
{
    if (fixedStep()) return point(anchor, floorDiv(t.seconds() - anchor.seconds(), stepSeconds_));
    if (stepMonths_ <= 0) return std::nullopt;
    std::optional<DateTime> p = anchor;
    while (p && *p > t) p = previous(*p);
    for (auto n = p ? next(*p) : std::nullopt; n && *n <= t; n = next(*n)) p = n;
    return p;
}

std::optional<DateTime> RepetitionGrid::point(DateTime anchor, int64_t steps) const
{
    if (steps > (End.seconds() - anchor.seconds()) / stepSeconds_) return std::nullopt;
    return anchor.addSeconds(steps * stepSeconds_);
}

} // namespace Plent
