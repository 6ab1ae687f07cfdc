#include "RunSupervisor.h"

#include <QtGlobal>

#include <unistd.h>

namespace {
constexpr const char* StopAfterStart = "PELMOR_TEST_STOP_AFTER_START";
constexpr int StoppedStatus = 3;
} // namespace

RunSupervisor::RunSupervisor(const std::string& eventFile, Platform::ModuleHandle hMsg)
    : texts_(hMsg), notifications_(notifier_, texts_), recorder_(eventFile, texts_, notifications_),
      stopAfterStart_(qEnvironmentVariableIntValue(StopAfterStart))
{
}

void RunSupervisor::recordUnstarted(const std::vector<Plent::PendingStart>& starts)
{
    recorder_.recordUnstarted(starts);
}

std::vector<Plent::PendingStart> RunSupervisor::prepare(std::vector<HandedOut>& handOuts)
{
    std::vector<Plent::PendingStart> starts;
    for (HandedOut& event : handOuts) {
        if (!event.held.empty()) continue;
        event.run = recorder_.newRunName().toStdString();
        starts.push_back({event.run, event.identifier, event.parameter, event.due});
    }
    return starts;
}

void RunSupervisor::start(const std::vector<HandedOut>& handOuts)
{
    for (const HandedOut& event : handOuts) {
        if (!event.held.empty()) {
            recorder_.hold(event);
            continue;
        }
        recorder_.start(event);
        if (++starts_ == stopAfterStart_) ::_exit(StoppedStatus);
    }
}

void RunSupervisor::startByHand(HandedOut event)
{
    event.manual = true;
    event.run = recorder_.newRunName().toStdString();
    recorder_.start(event);
}
