#pragma once
// Starting an event at once, beside its schedule: the list window's "start
// now" goes to a starter that its client gives the engine (the runner
// itself, or a client that reaches the runner of its event file), and the
// runner asks the engine for the event to start.
#include <cstdint>
#include <string>

#include "Plent/scheduling/HandOut.h"
#include "Platform/automation/Guid.h"
#include "Platform/automation/HResult.h"
#include "Platform/automation/IDispatch.h"
#include "Platform/automation/Variant.h"

namespace Kalvor {

inline const Platform::Guid IID__CPlentStarter = Platform::Guid::fromString("{86AD1112-E8C3-11D0-99F0-00AA00413EF4}");
inline const Platform::Guid IID__CPlentStartNow = Platform::Guid::fromString("{86AD1113-E8C3-11D0-99F0-00AA00413EF4}");

// How a start at once went.
enum StartAnswer : int16_t {
    Started = 0,
    // The runner has no event of that identifier.
    UnknownEvent = 1,
    // No runner runs for the event file.
    NoRunner = 2,
    // The runner did not answer, or answered what no one understands.
    Unanswered = 3,
};

// Implemented by the engine's client.
struct _CPlentStarter : Platform::IUnknown {
    // Starts the event's command line now, recorded as a start by hand; its
    // next start and status stay. srDetail tells why when Unanswered.
    virtual Platform::HRESULT StartNow(const std::string& sIdentifier, int16_t* piAnswer, std::string* srDetail) = 0;

protected:
    ~_CPlentStarter() = default;
};

// The engine's side, reached from _CPlentEngine by QueryInterface.
struct _CPlentStartNow : Platform::IUnknown {
    // The list window's "start now" goes to pStarter (a counted reference)
    // from now on; nullptr: to none, so that the window says no runner runs.
    virtual Platform::HRESULT putref_Starter(_CPlentStarter* pStarter) = 0;
    // The event as a hand-out to start now, moved on in nothing; pbFound
    // False when no event has the identifier.
    virtual Platform::HRESULT EventToStart(const std::string& sIdentifier, Plent::HandOut* pHandOut,
                                           Platform::VARIANT_BOOL* pbFound) = 0;

protected:
    ~_CPlentStartNow() = default;
};

} // namespace Kalvor
