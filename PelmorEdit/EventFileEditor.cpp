#include "EventFileEditor.h"

#include <QCoreApplication>
#include <QEvent>

#include <filesystem>

#include "Platform/automation/ErrorInfo.h"
#include "Platform/automation/Runtime.h"

using Platform::Check;

namespace {
constexpr int16_t BaseOffset = 1000;
constexpr int16_t Modal = 1;
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

// A file that does not exist yet starts empty and comes into being with the
// first save. A file that fails to load is not opened: saving what was read
// of it would overwrite the rest.
void EventFileEditor::Edit(Platform::ModuleHandle hMsg, const std::string& eventFile, const std::string& table)
{
    const auto engine = Kalvor::EngineOf(root_, "PelmorEdit.EventFileEditor");
    Check(engine->Init(hMsg, BaseOffset), "Init");
    if (std::filesystem::exists(eventFile)) Check(engine->LoadObjects(eventFile), "LoadObjects");
    Check(engine->put_UnlessTable(table), "UnlessTable");
    Check(engine->ShowEvents(Modal, Platform::VARIANT_TRUE, eventFile, ""), "ShowEvents");
}
