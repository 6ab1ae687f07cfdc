#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "EventDraft.h"

namespace Plent {

// What the editor is opened for: a new event, an event to change (all but
// its identifier) or an event to look at.
enum class EditorMode { Add, Edit, View };

// The event editor as the engine sees it: a window that shows a draft and
// gives back what the user made of it.
struct IPlentForm {
    // Answers whether an event already has the identifier.
    using IdentifierTaken = std::function<bool(const std::string&)>;

    virtual ~IPlentForm() = default;

    virtual void Init(int32_t hMsg, int16_t iOffSet) = 0;
    // What the window shows now; a new window shows a new event starting now.
    virtual EventDraft Draft() const = 0;
    // Shows the draft modally in the mode. Each value is written as a user's
    // change would be, running the controls' handlers, but only where it
    // differs from what the window shows. In add mode OK refuses an
    // identifier that taken answers for. Returns the edited draft when the
    // user confirmed, nothing when the user cancelled. An option index
    // outside its array is an index error.
    virtual std::optional<EventDraft> Edit(const EventDraft& draft, EditorMode mode,
                                           const IdentifierTaken& taken) = 0;
};

} // namespace Plent
