#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace Plent {
class CPlent;
class colPlents;
} // namespace Plent

namespace Ctl {

// The events as an aligned table for people: identifier, next and last
// start, status, repetition, whether finished, and description.
class EventTable {
public:
    static void write(std::ostream& out, const Plent::colPlents& events);

    static std::string statusText(int status);
    static std::string repetitionText(int retryMode, int retry);

private:
    static std::vector<std::string> row(const Plent::CPlent& event);
    static void writeAligned(std::ostream& out, const std::vector<std::vector<std::string>>& rows);
};

} // namespace Ctl
