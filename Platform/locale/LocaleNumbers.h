#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace Platform {

// Numbers typed by the user, read in the user's locale (the default locale
// of the process): its decimal and group separators, blanks around the
// number allowed. A fraction is rounded half to even, as automation rounds.
class LocaleNumbers {
public:
    // Fails with the type-mismatch error for a text that is no number, and
    // with overflow for a number outside -32768..32767.
    static int16_t toInteger(const std::string& text);
    // The same conversion with its errors suppressed.
    static std::optional<int16_t> integerOrNothing(const std::string& text);
};

} // namespace Platform
