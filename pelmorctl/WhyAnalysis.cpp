#include "WhyAnalysis.h"

#include <memory>

#include "EventStore.h"
#include "HistoryOutcome.h"
#include "Plent/history/HistoryReader.h"
#include "Plent/history/TimeText.h"
#include "Plent/scheduling/RepetitionGrid.h"
#include "Plent/scheduling/Schedule.h"
#include "Platform/dates/LocalTime.h"

namespace Ctl {

using Platform::DateTime;
using Plent::CPlent;
using Kind = WhyFacts::Kind;

namespace {

bool repeating(const CPlent& e)
{
    return e.RetryMode() >= Plent::RetryMode::Minutes && e.RetryMode() <= Plent::RetryMode::Years;
}

DateTime anchorOf(const CPlent& e)
{
    return DateTime::fromDate(e.RegularStart() != 0 ? e.RegularStart() : e.NextStart());
}

} // namespace

WhyFacts WhyAnalysis::of(const CPlent& event, DateTime at)
{
    WhyFacts facts;
    facts.identifier = event.Identifier();
    facts.at = at;
    facts.nextStart = event.NextStart();
    facts.lastStart = event.LastStart();
    facts.status = event.Status();
    facts.retryMode = event.RetryMode();
    facts.retry = event.Retry();
    facts.deleteAfterDone = event.DeleteAfterDone();
    if (event.Status() == Plent::Status::Stopped) facts.kind = Kind::Stopped;
    else if (event.RetryMode() == Plent::RetryMode::OncePerRun) facts.kind = Kind::OncePerRun;
    else if (event.Finished()) finished(event, facts);
    else atTheStart(event, facts);
    return facts;
}

// A start that has not been handed out yet is the event's own; otherwise the
// grid point the moment falls after is made a start as the engine makes it.
void WhyAnalysis::atTheStart(const CPlent& event, WhyFacts& facts)
{
    const DateTime nextStart = DateTime::fromDate(event.NextStart());
    if (repeating(event)) startOfGridPoint(event, facts);
    if (!facts.gridPoint || nextStart <= facts.at) facts.start = nextStart;
    if (!facts.start) {
        facts.kind = Kind::Finished;
        return;
    }
    if (*facts.start > facts.at) {
        facts.kind = Kind::Waiting;
        facts.next = facts.start;
        return;
    }
    facts.kind = Kind::Due;
    facts.run = runOf(event, *facts.start);
    CPlent copy = event;
    copy.setNextStart(facts.start->toDate());
    if (facts.gridPoint) copy.setRegularStart(facts.gridPoint->toDate());
    facts.passed = *facts.start < nextStart;
    if (!facts.passed) return handOutAt(copy, facts);
    schedule_.calcNextStart(copy, facts.at, &facts.toNext);
    if (!copy.Finished()) facts.next = DateTime::fromDate(copy.NextStart());
}

// The grid point's start is what the rule makes of it when it advances from
// the point before it at the last moment before it.
void WhyAnalysis::startOfGridPoint(const CPlent& event, WhyFacts& facts)
{
    const Plent::RepetitionGrid grid(event.RetryMode(), event.Retry());
    const DateTime nextStart = DateTime::fromDate(event.NextStart());
    const DateTime around = nextStart <= facts.at ? anchorOf(event) : facts.at;
    const auto point = event.Retry() > 0 ? grid.lastAtOrBefore(anchorOf(event), around) : std::nullopt;
    const auto before = point ? grid.previous(*point) : std::nullopt;
    if (!before) return;
    CPlent copy = event;
    copy.setRegularStart(before->toDate());
    copy.setNextStart(before->toDate());
    schedule_.calcNextStart(copy, point->addSeconds(-1), &facts.toStart);
    facts.gridPoint = point;
    if (!copy.Finished()) facts.start = DateTime::fromDate(copy.NextStart());
}

// The engine's own hand-out at the moment, on a schedule of its own, tells
// the delay rule's verdict; the rule traced once more tells the next start.
void WhyAnalysis::handOutAt(CPlent copy, WhyFacts& facts)
{
    copy.setFinished(false);
    CPlent traced = copy;
    auto alone = std::make_shared<Plent::colPlents>();
    auto handed = std::make_shared<CPlent>(copy);
    alone->Add(handed, copy.Identifier());
    Plent::Schedule scratch = EventStore::newSchedule();
    scratch.setTablePath(schedule_.TablePath());
    scratch.setEvents(alone);
    const Plent::Schedule::HandOut handOut = scratch.activate(facts.at);

    WhyFacts::Delay delay;
    delay.secondsLate = Platform::LocalTime::elapsedSeconds(*facts.start, facts.at);
    delay.limit = copy.Delay();
    delay.mode = copy.DelayMode();
    delay.handedOut = !handOut.identifier.empty();
    delay.late = delay.handedOut ? handOut.late : true;
    delay.alarm = handOut.alarm;
    facts.delay = delay;

    if (copy.DeleteAfterDone() && delay.handedOut) return;
    schedule_.calcNextStart(traced, facts.at, &facts.toNext);
    if (!handed->Finished()) facts.next = DateTime::fromDate(handed->NextStart());
}

// A finished event is asked again where it stands, so that the rule tells
// why it gives up; a once-only event has simply had its start.
void WhyAnalysis::finished(const CPlent& event, WhyFacts& facts)
{
    facts.kind = Kind::Finished;
    if (event.RetryMode() == Plent::RetryMode::Once) return;
    CPlent copy = event;
    copy.setFinished(false);
    const DateTime nextStart = DateTime::fromDate(event.NextStart());
    schedule_.calcNextStart(copy, nextStart > facts.at ? nextStart : facts.at, &facts.toNext);
}

// Nothing when neither the history nor the run state knows of any run.
std::optional<WhyFacts::Run> WhyAnalysis::runOf(const CPlent& event, DateTime start) const
{
    const auto history = History::HistoryReader::read(history_);
    const QString due = History::TimeText::of(start);
    const QString id = QString::fromStdString(event.Identifier());
    WhyFacts::Run note;
    for (const History::RunRecord& run : history.runs) {
        if (run.identifier().compare(id, Qt::CaseInsensitive) == 0 && run.fields().value(History::Key::Due).toString() == due) {
            note.recorded = true;
            note.time = run.time().toStdString();
            note.outcome = HistoryOutcome::of(run);
            return note;
        }
        if (run.time() < due) note.lastBefore = run.time().toStdString();
        else if (note.firstAfter.empty()) note.firstAfter = run.time().toStdString();
    }
    if (event.LastStart() != 0 && DateTime::fromDate(event.LastStart()) >= start)
        note.stateLastStart = History::TimeText::of(DateTime::fromDate(event.LastStart())).toStdString();
    if (history.runs.empty() && note.stateLastStart.empty()) return std::nullopt;
    return note;
}

} // namespace Ctl
