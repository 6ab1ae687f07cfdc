#include "NextStarts.h"

#include "Plent/scheduling/Schedule.h"

namespace Ctl {

using Platform::DateTime;
using Plent::CPlent;

namespace {

// The first whole second not before the stored date: the moment at which a
// hand-out finds the start reached.
DateTime reachedAt(Platform::Date d)
{
    const DateTime t = DateTime::fromDate(d);
    return t.toDate() < d ? t.addSeconds(1) : t;
}

// After a hand-out the engine removes the event or, for a once-only event,
// sets it finished.
bool lastHandOut(const CPlent& e) { return e.DeleteAfterDone() || e.RetryMode() == Plent::RetryMode::Once; }

} // namespace

NextStarts::Preview NextStarts::of(Plent::Schedule& schedule, const CPlent& event, DateTime at, int count)
{
    if (event.Status() == Plent::Status::Stopped) return {Kind::Stopped, {}};
    if (event.RetryMode() == Plent::RetryMode::OncePerRun) return {Kind::OncePerRun, {}};

    CPlent copy = event; // shares the unless rule, which the computation only reads
    Preview preview;
    if (copy.Finished()) return preview;
    schedule.calcNextStart(copy, at);
    while (!copy.Finished() && static_cast<int>(preview.starts.size()) < count) {
        preview.starts.push_back(DateTime::fromDate(copy.NextStart()));
        if (lastHandOut(copy)) break;
        schedule.calcNextStart(copy, reachedAt(copy.NextStart()));
    }
    return preview;
}

} // namespace Ctl
