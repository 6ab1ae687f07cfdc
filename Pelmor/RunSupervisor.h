#pragma once
#include <string>
#include <vector>

#include "DesktopNotifier.h"
#include "HandedOut.h"
#include "NotificationBatch.h"
#include "Plent/runstate/PendingStart.h"
#include "RunRecorder.h"
#include "RunnerTexts.h"

// What the runner does with the events a poll hands out: names their runs
// so that the run state can hold them before anything starts, then starts
// them, keeps their run history beside the event file and tells the desktop
// what needs the user's attention.
class RunSupervisor {
public:
    RunSupervisor(const std::string& eventFile, Platform::ModuleHandle hMsg);

    // The starts a runner before this one recorded and did not get to.
    void recordUnstarted(const std::vector<Plent::PendingStart>& starts);
    // Names the runs of the hand-outs; answers the starts to record.
    std::vector<Plent::PendingStart> prepare(std::vector<HandedOut>& handOuts);
    void start(const std::vector<HandedOut>& handOuts);
    // The user's start at once, beside the schedule: it is recorded as a
    // start by hand and moves nothing in the run state.
    void startByHand(HandedOut event);
    const RunRecorder& recorder() const { return recorder_; }

private:
    RunnerTexts texts_;
    DesktopNotifier notifier_;
    NotificationBatch notifications_;
    RunRecorder recorder_;
    // Tests stop the runner at once after this many starts (0: never),
    // to see what the next runner makes of a poll cut short.
    int stopAfterStart_ = 0;
    int starts_ = 0;
};
