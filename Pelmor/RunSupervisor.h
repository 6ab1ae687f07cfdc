#pragma once
#include <memory>
#include <string>

#include "DesktopNotifier.h"
#include "NotificationBatch.h"
#include "Plent/engine/KalvorInterfaces.h"
#include "RunRecorder.h"
#include "RunnerTexts.h"

// What the runner does with a handed-out event: starts it, keeps its run
// history beside the event file and tells the desktop what needs the
// user's attention.
class RunSupervisor {
public:
    RunSupervisor(const std::string& eventFile, Platform::ModuleHandle hMsg);

    void start(Kalvor::_CPlentEngine& engine, HandedOut event);

private:
    RunnerTexts texts_;
    DesktopNotifier notifier_;
    NotificationBatch notifications_;
    RunRecorder recorder_;
};
