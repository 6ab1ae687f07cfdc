#include "RunnerSession.h"

#include <utility>

#include "CPlentEngine.h"
#include "Plent/files/RunnerFiles.h"
#include "Plent/runstate/EventDefinition.h"
#include "Plent/runstate/EventFileReload.h"
#include "Plent/runstate/RunStateFile.h"
#include "Plent/runstate/RunStateMerge.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/dates/Clock.h"
#include "Platform/text/TextKey.h"

namespace Plent {

using Platform::AutomationError;
using Platform::FileIdentity;

// The identity is taken before the load, so that a change while loading is
// seen at the next look.
void RunnerSession::OpenEventFile(const std::string& eventFile, std::vector<std::string>& report)
{
    eventFile_ = eventFile;
    stateFile_ = RunnerFiles::stateOf(eventFile);
    identity_ = FileIdentity::of(eventFile);
    engine_.LoadObjects(eventFile);
    bases_ = EventBases(std::as_const(engine_).Plents());
    const RunState stored = readState(report);
    pendingAtOpen_ = stored.starts();
    state_ = RunStateMerge::apply(engine_.Plents(), stored, Platform::Clock::now().toDate());
    unsaved_ = !(state_ == stored);
}

// A state file that cannot be read is kept aside for whoever wants to see
// it; the run starts as if there were none.
RunState RunnerSession::readState(std::vector<std::string>& report) const
{
    try {
        return RunStateFile::read(stateFile_).value_or(RunState{});
    } catch (const AutomationError& e) {
        report.push_back("the run state cannot be read, starting afresh: " + e.report());
    }
    try {
        report.push_back("the unreadable run state is kept as '" + RunStateFile::moveAside(stateFile_) + "'");
    } catch (const AutomationError& e) {
        report.push_back(e.report());
    }
    return {};
}

// A file that cannot be loaded is reported once and tried again only when
// it changes again.
void RunnerSession::FollowEventFile(std::vector<std::string>& report)
{
    const FileIdentity identity = FileIdentity::of(eventFile_);
    if (identity == identity_) return;
    identity_ = identity;
    try {
        reload(identity);
    } catch (const AutomationError& e) {
        report.push_back("the event file '" + eventFile_ + "' cannot be read again, its events stay as they were: " +
                            e.report());
    }
}

// A file that changed while it was read is read again at the next look.
void RunnerSession::reload(const FileIdentity& identity)
{
    const auto events = EventFileReload::load(eventFile_);
    if (!(FileIdentity::of(eventFile_) == identity)) {
        identity_ = {};
        return;
    }
    bases_ = EventBases(*events);
    RunState merged = RunStateMerge::apply(*events, state_, Platform::Clock::now().toDate());
    merged.setStarts(state_.starts());
    state_ = std::move(merged);
    keepOncePerRunDone(*events);
    engine_.setPlents(events);
    unsaved_ = true;
    if (const auto window = engine_.objShowEvents()) window->FillList();
}

void RunnerSession::keepOncePerRunDone(colPlents& events) const
{
    for (const auto& e : events) {
        if (e->RetryMode() == RetryMode::OncePerRun && oncePerRunDone_.count(Platform::TextKey::fold(e->Identifier())))
            e->setFinished(true);
    }
}

void RunnerSession::BeginPoll() { recorder_.begin(std::as_const(engine_).Plents()); }

// A poll without starts leaves those of the last one in the state: they
// were started, the history says so, and no write is spent on them.
void RunnerSession::RecordStarts(const std::vector<PendingStart>& starts)
{
    if (starts.empty() || starts == state_.starts()) return;
    state_.setStarts(starts);
    unsaved_ = true;
}

// One write for the poll: its hand-outs and deletions, its starts, and
// whatever a load before it changed.
void RunnerSession::EndPoll(std::vector<std::string>& report)
{
    if (!recorder_.active()) return;
    record(recorder_.end(std::as_const(engine_).Plents()));
    if (unsaved_ || writeFailing_) write(report);
}

void RunnerSession::SaveState(std::vector<std::string>& report)
{
    if (recorder_.active()) record(recorder_.end(std::as_const(engine_).Plents()));
    if (unsaved_) write(report);
}

// Events that are not in the event file (added in the runner's own list
// window) have no base and leave no trace.
void RunnerSession::record(const PollRecorder::Changes& changes)
{
    for (const auto& e : changes.changed) {
        if (e->RetryMode() == RetryMode::OncePerRun) oncePerRunDone_.insert(Platform::TextKey::fold(e->Identifier()));
        if (const RunFields* base = bases_.find(e->Identifier()))
            state_.set({e->Identifier(), *base, RunFields::of(*e), EventDefinition::fingerprint(*e), 0});
    }
    for (const auto& e : changes.removed) {
        if (const RunFields* base = bases_.find(e->Identifier()))
            state_.set({e->Identifier(), *base, std::nullopt, EventDefinition::fingerprint(*e), 0});
    }
    if (!changes.empty()) unsaved_ = true;
}

// A failing write is reported when it starts failing, not at every poll.
void RunnerSession::write(std::vector<std::string>& report)
{
    try {
        RunStateFile::write(state_, stateFile_);
        unsaved_ = false;
        writeFailing_ = false;
    } catch (const AutomationError& e) {
        if (!writeFailing_) report.push_back("the run state cannot be written, trying again at the next poll: " + e.report());
        writeFailing_ = true;
    }
}

} // namespace Plent
