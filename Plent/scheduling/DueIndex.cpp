#include "DueIndex.h"

#include <cmath>

namespace Plent {

using Platform::DateTime;

namespace {

constexpr double MinutesPerDay = 24 * 60;

// A stored date as days since 1899-12-30 that order like time. Before that
// day a stored date counts the day backwards but the time of day forwards
// (-1.25 is 1899-12-29 06:00, -1.75 is 18:00).
double daysOf(Platform::Date d) { return d >= 0 ? d : 2 * std::trunc(d) - d; }

struct Moment {
    double days;
    const CPlent* event;
    bool delayEnd;
};

} // namespace

std::shared_ptr<CPlent> DueIndex::firstDue(const colPlents& events, uint64_t revision, Platform::DateTime now,
                                           size_t from, size_t& position)
{
    sync(events, revision);
    release(now.seconds());
    const auto it = ready_.lower_bound(from);
    if (it == ready_.end()) return nullptr;
    position = *it;
    return events.Item(static_cast<int64_t>(position) + 1);
}

void DueIndex::changedHere(const CPlent& event, uint64_t before, uint64_t after)
{
    if (!events_ || seen_ != before) return;
    const auto found = positionOf_.find(&event);
    if (found == positionOf_.end()) return invalidate();
    unfile(found->second);
    file(found->second, event);
    seen_ = after;
}

void DueIndex::sync(const colPlents& events, uint64_t revision)
{
    if (events_ == &events && seen_ == revision) return;
    events_ = &events;
    seen_ = revision;
    waiting_.clear();
    ready_.clear();
    readyAt_ = Never;
    positionOf_.clear();
    startOf_.assign(static_cast<size_t>(events.Count()), std::nullopt);
    size_t position = 0;
    for (const auto& event : events) {
        positionOf_.emplace(event.get(), position);
        file(position++, *event);
    }
}

void DueIndex::file(size_t position, const CPlent& event)
{
    if (event.Finished() || event.Status() == Status::Stopped || event.Identifier().empty()) return;
    const int64_t start = Platform::DateTime::fromDate(event.NextStart()).seconds();
    startOf_[position] = start;
    if (start <= readyAt_) ready_.insert(position);
    else waiting_.emplace(start, position);
}

void DueIndex::unfile(size_t position)
{
    auto& start = startOf_[position];
    if (!start) return;
    if (*start <= readyAt_) ready_.erase(position);
    else waiting_.erase({*start, position});
    start.reset();
}

std::optional<DateTime> DueIndex::earliestChange(const colPlents& events, uint64_t revision, DateTime poll)
{
    sync(events, revision);
    release(poll.seconds());
    // Compared as days, which costs far less than a conversion per event.
    const double passed = static_cast<double>(poll.seconds() - 1) / DateTime::SecondsPerDay;
    std::optional<Moment> earliest;
    const auto consider = [&](const CPlent& e) {
        const double start = daysOf(e.NextStart());
        for (const Moment m : {Moment{start, &e, false}, Moment{start + e.Delay() / MinutesPerDay, &e, true}}) {
            if (m.days > passed && (!earliest || m.days < earliest->days)) earliest = m;
        }
    };
    if (!waiting_.empty()) consider(eventAt(waiting_.begin()->second));
    for (const size_t position : ready_) consider(eventAt(position));
    if (!earliest) return std::nullopt;
    const DateTime start = DateTime::fromDate(earliest->event->NextStart());
    return (earliest->delayEnd ? start.addMinutes(earliest->event->Delay()) : start).addSeconds(-1);
}

// Moves the events whose start has come at now to the ready ones; a now
// earlier than the last one puts them all back first.
void DueIndex::release(int64_t now)
{
    if (now < readyAt_) {
        for (const size_t position : ready_) waiting_.emplace(*startOf_[position], position);
        ready_.clear();
    }
    readyAt_ = now;
    while (!waiting_.empty() && waiting_.begin()->first <= now) {
        ready_.insert(waiting_.begin()->second);
        waiting_.erase(waiting_.begin());
    }
}

} // namespace Plent
