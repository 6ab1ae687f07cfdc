#pragma once
#include <ostream>
#include <string>

namespace Plent {
class CPlent;
class colPlents;
} // namespace Plent

namespace Ctl {

// The events as tab-separated lines, one per event in list order:
// Identifier, NextStart, LastStart, Status, RetryMode, Retry, Finished (0 or
// 1), Description, Parameter; dates rounded to the second. A backslash, tab,
// line feed or carriage return inside a text is written as \\, \t, \n or \r,
// so that every event stays one line of nine fields.
class EventTsv {
public:
    static void write(std::ostream& out, const Plent::colPlents& events);
    static std::string line(const Plent::CPlent& event);
    static std::string escape(const std::string& text);
    // As escape, added to the end of out.
    static void appendEscaped(std::string& out, const std::string& text);
};

} // namespace Ctl
