#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

#include "HResult.h"

namespace Platform {

// An error with a number, a source and a description: what travels from an
// automation server to its client as error info, and what the code inside the
// servers throws.
class AutomationError : public std::runtime_error {
public:
    AutomationError(int32_t number, std::string source, std::string description);
    // The standard text of the number as description.
    AutomationError(int32_t number, std::string source);

    int32_t number() const { return number_; }
    const std::string& source() const { return source_; }
    const std::string& description() const { return description_; }

    // The same error with another source: how an operation passes on an
    // error it caught, keeping number and description.
    AutomationError withSource(std::string source) const;

    // "Run-time error <number> (<source>): <description>", as the programs
    // report an error to the user.
    std::string report() const;

    HRESULT hresult() const { return HResultFromError(number_); }

private:
    int32_t number_;
    std::string source_;
    std::string description_;
};

[[noreturn]] void Raise(int32_t number, const std::string& source);
[[noreturn]] void Raise(int32_t number, const std::string& source, const std::string& description);

} // namespace Platform
