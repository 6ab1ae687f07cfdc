#pragma once
#include <string>

#include "Plent/engine/KalvorInterfaces.h"
#include "Platform/automation/ComPtr.h"
#include "Platform/modules/Library.h"

// PelmorEdit's session with the engine library: it creates the root object
// through the automation runtime, loads one event file and opens the list
// window on it modally, with editing allowed and the open and save commands
// on that file. The events show the runner's state, and saving keeps it.
class EventFileEditor {
public:
    // Creates the root object by its class identifier.
    EventFileEditor();
    ~EventFileEditor();
    EventFileEditor(const EventFileEditor&) = delete;
    EventFileEditor& operator=(const EventFileEditor&) = delete;

    // Returns when the list window has closed. An event file that does not
    // exist yet starts empty. hMsg is the language
    // library's handle, which stays the caller's; table is the fixed-date
    // table the start computation reads.
    void Edit(Platform::ModuleHandle hMsg, const std::string& eventFile, const std::string& table);

private:
    Platform::ComPtr<Kalvor::_CPlentRoot> root_;
};
