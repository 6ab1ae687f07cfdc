#include "RunSupervisor.h"

RunSupervisor::RunSupervisor(const std::string& eventFile, Platform::ModuleHandle hMsg)
    : texts_(hMsg), notifications_(notifier_, texts_), recorder_(eventFile, texts_, notifications_)
{
}

void RunSupervisor::start(Kalvor::_CPlentEngine& engine, HandedOut event)
{
    event.askEngine(engine);
    recorder_.start(event);
}
