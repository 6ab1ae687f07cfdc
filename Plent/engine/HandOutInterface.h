#pragma once
// A second interface of the engine, reached from _CPlentEngine through
// QueryInterface: what the engine knew about the event it handed out last,
// before the hand-out moved it on. A client that keeps a record of its runs
// asks for it right after ActivEvent.
#include <cstdint>

#include "Platform/automation/HResult.h"
#include "Platform/automation/IUnknown.h"
#include "Platform/automation/Variant.h"
#include "Platform/dates/DateTime.h"

namespace Kalvor {

inline const Platform::Guid IID__CPlentHandOut = Platform::Guid::fromString("{86AD110B-E8C3-11D0-99F0-00AA00413EF4}");

struct _CPlentHandOut : Platform::IUnknown {
    // The last hand-out of ActivEvent: the event's NextStart before it,
    // its Delay and DelayMode, and whether it was found Delay minutes or
    // more after its start (the delay rule applied). All zero before the
    // first hand-out and for a once-per-start hand-out's lateness.
    virtual Platform::HRESULT LastHandOut(Platform::Date* pdNextStart, int16_t* piDelay, int16_t* piDelayMode,
                                          Platform::VARIANT_BOOL* pbLate) = 0;

protected:
    ~_CPlentHandOut() = default;
};

} // namespace Kalvor
