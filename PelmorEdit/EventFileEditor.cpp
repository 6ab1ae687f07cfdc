#include "EventFileEditor.h"

#include <QCoreApplication>
#include <QEvent>

#include <filesystem>

#include "EventStarter.h"
#include "Plent/engine/RunViewInterface.h"
#include "SingleRunner.h"
#include "Plent/client/LanguageLibrary.h"
#include "Platform/automation/ErrorInfo.h"
#include "Platform/automation/Runtime.h"

using Platform::Check;

namespace {
constexpr int16_t Modal = 1;
// The list window's "start now" asks the runner of the file's directory.
void giveStarter(Kalvor::_CPlentEngine& engine, const std::string& eventFile)
{
    Platform::ComPtr<Kalvor::_CPlentStartNow> starts;
    Check(engine.QueryInterface(Kalvor::IID__CPlentStartNow, starts.putVoid()), "QueryInterface");
    const auto starter = Platform::ComObject<Kalvor::_CPlentStarter>::create<EventStarter>(
        [eventFile](const std::string& identifier, std::string& detail) {
            return SingleRunner::askToStart(eventFile, identifier, detail);
        });
    Check(starts->putref_Starter(starter.get()), "Starter");
}

} // namespace

EventFileEditor::EventFileEditor()
{
    root_ = Kalvor::CreateRoot("PelmorEdit.EventFileEditor");
}

// The closed window is deleted from the event loop, which has ended by now;
// it goes before the root, so the engine goes with the root.
EventFileEditor::~EventFileEditor()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    root_.reset();
}

// The events are shown as the runner sees them, with the run state beside
// the file merged. A file that does not exist yet starts empty and comes
// into being with the first save. A file that fails to load is not opened: saving what was read
// of it would overwrite the rest.
void EventFileEditor::Edit(Platform::ModuleHandle hMsg, const std::string& eventFile, const std::string& table)
{
    const auto engine = Kalvor::EngineOf(root_, "PelmorEdit.EventFileEditor");
    Check(engine->Init(hMsg, Plent::LanguageLibrary::BaseOffset), "Init");
    Platform::ComPtr<Kalvor::_CPlentRunView> runView;
    Check(engine->QueryInterface(Kalvor::IID__CPlentRunView, runView.putVoid()), "QueryInterface");
    Check(runView->ShowRunState(), "ShowRunState");
    if (std::filesystem::exists(eventFile)) Check(engine->LoadObjects(eventFile), "LoadObjects");
    Check(engine->put_UnlessTable(table), "UnlessTable");
    giveStarter(*engine, eventFile);
    Check(engine->ShowEvents(Modal, Platform::VARIANT_TRUE, eventFile, ""), "ShowEvents");
}
