#pragma once
#include <string>

#include "Platform/dates/DateTime.h"

namespace Plent {

// The dates on which the fixed exception-date table holds, as the unless
// rule asks for them: one date at a time, and only when a rule with
// FromTable reaches its table test, so that a source may read its table
// lazily.
class ExceptionDates {
public:
    virtual ~ExceptionDates() = default;
    virtual bool contains(Platform::Date date) = 0;
    // The comment that goes with a listed date; empty when it has none.
    virtual std::string comment(Platform::Date) { return {}; }
};

} // namespace Plent
