#pragma once
#include <string>

namespace Plent {

class CPlent;

// An event's definition, everything but its run fields, reduced to a short
// text: two events have the same fingerprint exactly when the user defined
// them alike (same identifier, texts, repetition, delay rule, flags and
// unless rule), whatever their runs did.
class EventDefinition {
public:
    static std::string fingerprint(CPlent& event);
};

} // namespace Plent
