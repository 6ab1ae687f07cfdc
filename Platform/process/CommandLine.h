#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Platform {

// Splits a command line into program and arguments the way a POSIX shell
// splits words, but without any expansion: blanks separate words; '...'
// keeps everything literally; "..." keeps everything but lets a backslash
// escape " \ $ and `; outside quotes a backslash keeps the next character.
// Nothing else is special, so a command line cannot inject anything.
class CommandLine {
public:
    // The words, or nothing when a quote is left open or the line ends in a
    // lone backslash. A blank line gives no words.
    static std::optional<std::vector<std::string>> split(std::string_view line);
};

} // namespace Platform
