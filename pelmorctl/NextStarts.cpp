#include "NextStarts.h"

#include "Plent/engine/CPlentEngine.h"
#include "Platform/dates/Clock.h"

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

NextStarts::Preview NextStarts::of(Plent::CPlentEngine& engine, const CPlent& event, DateTime at, int count)
{
    if (event.Status() == Plent::Status::Stopped) return {Kind::Stopped, {}};
    if (event.RetryMode() == Plent::RetryMode::OncePerRun) return {Kind::OncePerRun, {}};

    CPlent copy = event; // shares the unless rule, which the computation only reads
    Preview preview;
    if (copy.Finished()) return preview;
    Platform::FixedClock clock(at);
    engine.CalcNextStart(copy);
    while (!copy.Finished() && static_cast<int>(preview.starts.size()) < count) {
        preview.starts.push_back(DateTime::fromDate(copy.NextStart()));
        if (lastHandOut(copy)) break;
        clock.set(reachedAt(copy.NextStart()));
        engine.CalcNextStart(copy);
    }
    return preview;
}

} // namespace Ctl
