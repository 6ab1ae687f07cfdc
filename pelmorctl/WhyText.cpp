#include "WhyText.h"

#include "DateText.h"
#include "EventTable.h"

namespace Ctl {

using Platform::DateTime;
using Plent::StartTrace;
using Plent::UnlessHit;
using Kind = WhyFacts::Kind;

namespace {

const char* const WeekDays[] = {"", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const Months[] = {"",     "January", "February",  "March",   "April",    "May",     "June",
                              "July", "August",  "September", "October", "November", "December"};

std::string hhmm(int value)
{
    const std::string digits = std::to_string(100000 + value);
    return digits.substr(2, 2) + ":" + digits.substr(4, 2);
}

std::string date(Platform::Date d) { return d == 0 ? "never" : DateText::format(DateTime::fromDate(d)); }

std::string duration(int64_t seconds)
{
    if (seconds >= 3600) return std::to_string(seconds / 3600) + " h " + std::to_string(seconds / 60 % 60) + " min";
    return std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s";
}

} // namespace

void WhyText::write(std::ostream& out, const WhyFacts& f)
{
    out << f.identifier << ": " << EventTable::repetitionText(f.retryMode, f.retry) << ", next start "
        << date(f.nextStart) << ", last start " << date(f.lastStart) << ", status " << EventTable::statusText(f.status)
        << ".\nAt " << DateText::format(f.at) << ":\n";
    switch (f.kind) {
    case Kind::Stopped: out << "  It is stopped: it is never handed out until it is resumed (pelmorctl go).\n"; return;
    case Kind::OncePerRun: out << "  It starts once per program run, at the first poll after the runner starts.\n"; return;
    case Kind::Finished:
        out << "  It is finished: it will not start again.\n";
        writeTrace(out, f.toStart);
        writeTrace(out, f.toNext);
        return;
    case Kind::Waiting:
    case Kind::Due: break;
    }
    if (f.gridPoint) out << "  The grid point is " << DateText::format(*f.gridPoint) << ".\n";
    writeTrace(out, f.toStart);
    if (f.kind == Kind::Waiting) {
        out << "  Its start is " << DateText::format(*f.start) << ", after that moment: it is not due then.\n";
    } else {
        writeDue(out, f);
    }
    if (f.next) out << "Next start after " << DateText::format(f.at) << ": " << DateText::format(*f.next) << ".\n";
    else out << "No start after " << DateText::format(f.at) << ".\n";
}

void WhyText::writeDue(std::ostream& out, const WhyFacts& f)
{
    out << "  Its start " << DateText::format(*f.start) << " has come.\n";
    const bool ran = f.run && (f.run->recorded || !f.run->stateLastStart.empty());
    if (f.run) out << "  History: " << runText(*f.run) << ".\n";
    else if (f.passed) out << "  The event has moved on past it since (next start " << date(f.nextStart) << ").\n";
    if (!ran && f.delay) out << "  Found at " << DateText::format(f.at) << ": " << delayText(*f.delay) << ".\n";
    if (f.deleteAfterDone && (!f.delay || f.delay->handedOut)) out << "  It is deleted after it is done.\n";
    writeTrace(out, f.toNext);
}

void WhyText::writeTrace(std::ostream& out, const StartTrace& trace)
{
    for (const auto& s : trace.steps) {
        if (s.rule != StartTrace::Rule::GridPoint) out << "  " << step(s) << ".\n";
    }
}

std::string WhyText::step(const StartTrace::Step& s)
{
    const std::string before = DateText::format(s.before);
    const std::string after = s.after ? DateText::format(*s.after) : std::string("none");
    switch (s.rule) {
    case StartTrace::Rule::GridPoint: return "the first grid point after " + before + " is " + after;
    case StartTrace::Rule::Skipped:
        return before + " is skipped: the unless rule holds (" + element(s.hit, s.before) + "); the next grid point tried is "
            + after;
    case StartTrace::Rule::Moved:
        return before + ": the unless rule holds (" + element(s.hit, s.before) + "); move to next day: " + after;
    case StartTrace::Rule::Finished: return "No start from " + before + ": " + endText(s.end);
    }
    return {};
}

std::string WhyText::element(const UnlessHit& hit, DateTime at)
{
    switch (hit.test) {
    case UnlessHit::Test::None: return "nothing";
    case UnlessHit::Test::EveryMonthDay: return "day " + std::to_string(hit.day) + " of every month";
    case UnlessHit::Test::EveryMonthLastDay: return "the last day of every month";
    case UnlessHit::Test::MonthDay: return "day " + std::to_string(hit.day) + " of " + Months[hit.month];
    case UnlessHit::Test::FebruaryLastDay: return "the last day of February";
    case UnlessHit::Test::WeekDay: return WeekDays[hit.weekDay];
    case UnlessHit::Test::TimeWindow:
        return "the daily time window From " + hhmm(hit.from) + " To " + hhmm(hit.to) + " shuts out "
            + hhmm(at.hhmm());
    case UnlessHit::Test::Table:
        return "the table date " + DateText::format(at).substr(0, 10) + (hit.comment.empty() ? "" : ", " + hit.comment);
    }
    return {};
}

std::string WhyText::endText(StartTrace::End end)
{
    switch (end) {
    case StartTrace::End::None: return "no reason";
    case StartTrace::End::NoRetry: return "the repetition count is 0 or less; the event is finished";
    case StartTrace::End::BadRetryMode: return "the repetition mode is unknown; the event is finished";
    case StartTrace::End::PastLastDate: return "the grid runs past the last date an event can hold; the event is finished";
    case StartTrace::End::WindowShutsOut:
        return "the daily time window never lets this time of day through; the event is finished";
    case StartTrace::End::SearchBound:
        return "the unless rule still holds 400 years on (the bound of the search); the event is finished";
    }
    return {};
}

std::string WhyText::delayText(const WhyFacts::Delay& d)
{
    const std::string late = duration(d.secondsLate) + " after its start";
    if (d.limit <= 0) return late + ", no delay rule: handed out";
    const std::string limit = "the delay limit is " + std::to_string(d.limit) + " minutes";
    if (!d.late) return late + ", " + limit + ": handed out";
    if (!d.handedOut) return late + ", late (" + limit + "), seen as done: not started, moved on";
    if (d.alarm) return late + ", late (" + limit + "), alarm: handed out with the alarm";
    return late + ", late (" + limit + "), do it: handed out";
}

// The history's runs by the time of day of their hand-out.
std::string WhyText::runText(const WhyFacts::Run& r)
{
    if (r.recorded) {
        const std::string time = r.time.substr(11);
        if (r.outcome.starts_with("not started")) return "handed out, " + r.outcome + " (at " + time + ")";
        return "started at " + time + ", " + r.outcome;
    }
    if (!r.stateLastStart.empty()) return "handed out at " + r.stateLastStart + " (the run state; no run in the history)";
    const std::string from = r.lastBefore.empty() ? "the start of the history" : r.lastBefore;
    const std::string to = r.firstAfter.empty() ? "now" : r.firstAfter;
    return "no run recorded: the runner was not running (no hand-out between " + from + " and " + to + ")";
}

} // namespace Ctl
