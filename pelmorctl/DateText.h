#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "Platform/dates/DateTime.h"

namespace Ctl {

// Local wall-clock times as pelmorctl writes and reads them:
// "YYYY-MM-DD HH:MM:SS", or with a "T" in place of the blank.
class DateText {
public:
    static std::string format(Platform::DateTime t, char separator = ' ');
    // As format, added to the end of text.
    static void append(std::string& text, Platform::DateTime t, char separator = ' ');

    // Takes "YYYY-MM-DD HH:MM:SS" or "YYYY-MM-DD HH:MM", with a blank or a
    // "T" between date and time; years 100 to 9999. Nothing for any other
    // text and for a day or time that does not exist.
    static std::optional<Platform::DateTime> parse(std::string_view text);

    // As parse; fails with bad input naming `what` (for example "--at").
    static Platform::DateTime parseArgument(const std::string& text, const std::string& what);
};

} // namespace Ctl
