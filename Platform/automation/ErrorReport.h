#pragma once
#include <cstdint>
#include <string>

#include "AutomationError.h"
#include "Platform/modules/Library.h"

namespace Platform {

// How an error is reported to the user in the language of a loaded
// language library. The library's table holds, from its first ID on, the
// frame "Run-time error %1 (%2): %3", then "Unexpected error - %1", then
// the standard text of every run-time error number in the order
// RuntimeErrorTextIndex gives. What a description adds to its standard
// text (a path, a name) stays as it is. Without a library (a handle of 0
// or -1) or for an ID the table lacks, the English text stands.
class ErrorReport {
public:
    ErrorReport(ModuleHandle hMsg, unsigned firstId) : hMsg_(hMsg), firstId_(firstId) {}

    // "Run-time error <number> (<source>): <description>".
    std::string of(const AutomationError& error) const;
    // "Unexpected error - <where>".
    std::string unexpected(const std::string& where) const;

private:
    std::string description(const AutomationError& error) const;
    std::string text(unsigned offset, const std::string& english) const;

    ModuleHandle hMsg_;
    unsigned firstId_;
};

} // namespace Platform
