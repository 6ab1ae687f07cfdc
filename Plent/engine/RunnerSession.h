#pragma once
#include <set>
#include <string>
#include <vector>

#include "Plent/runstate/EventBases.h"
#include "Plent/runstate/PollRecorder.h"
#include "Plent/runstate/RunState.h"
#include "Platform/files/FileIdentity.h"

namespace Plent {

class CPlentEngine;

// One run of the runner over its event file: loads it with the run state
// beside it, reloads it when it changes, records what the polls hand out
// and delete, and keeps the state file up to date. Problems with the state
// or with a reload never stop the run; they are added to the report, once
// each, and the run goes on with what it has.
class RunnerSession {
public:
    explicit RunnerSession(CPlentEngine& engine) : engine_(engine) {}

    void OpenEventFile(const std::string& eventFile, std::vector<std::string>& report);
    void FollowEventFile(std::vector<std::string>& report);
    void BeginPoll();
    void RecordStarts(const std::vector<PendingStart>& starts);
    void EndPoll(std::vector<std::string>& report);
    void SaveState(std::vector<std::string>& report);
    const std::vector<PendingStart>& PendingStarts() const { return pendingAtOpen_; }

private:
    RunState readState(std::vector<std::string>& report) const;
    void reload(const Platform::FileIdentity& identity);
    void record(const PollRecorder::Changes& changes);
    void keepOncePerRunDone(colPlents& events) const;
    void write(std::vector<std::string>& report);

    CPlentEngine& engine_;
    std::string eventFile_;
    std::string stateFile_;
    Platform::FileIdentity identity_;
    EventBases bases_;
    RunState state_;
    PollRecorder recorder_;
    // The starts the state file held when the event file was opened.
    std::vector<PendingStart> pendingAtOpen_;
    // Folded identifiers of the once-per-start events this run handed out.
    std::set<std::string> oncePerRunDone_;
    bool unsaved_ = false;
    bool writeFailing_ = false;
};

} // namespace Plent
