#pragma once
#include <memory>
#include <string>

#include "IPlentForm.h"

namespace Plent {

class CPlent;
class CPlentEngine;

// Adding, editing and viewing one event in the editor window. Each call
// opens a new window, shows it modally for as long as the call lasts and
// unloads it at the end. An identifier that no event has is ignored.
class EventEditing {
public:
    explicit EventEditing(CPlentEngine& engine) : engine_(engine) {}

    // A new event in front of the event before ("" for the end). A transfer
    // that fails is announced and the window comes back with the user's
    // input, until it succeeds or the user cancels.
    void Add(const std::string& before);
    // The edited event replaces the old one at the end of the list, with a
    // new next start. When the transfer fails, the old event goes back to
    // its place unchanged and the error reaches the caller.
    void Update(const std::string& identifier);
    // The event in the read-only view.
    void Show(const std::string& identifier);

private:
    std::unique_ptr<IPlentForm> openEditor();
    std::optional<EventDraft> edit(const std::string& identifier, EditorMode mode);
    void replace(const std::string& identifier, const EventDraft& draft);

    CPlentEngine& engine_;
};

} // namespace Plent
