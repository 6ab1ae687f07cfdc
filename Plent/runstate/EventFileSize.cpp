#include "EventFileSize.h"

#include <algorithm>
#include <string>

namespace Plent {

namespace {

constexpr int64_t FileHeaders = 33, Event = 109, Month = 29, Day = 14, WeekDay = 18;

// A text read from the file has one character per stored byte.
int64_t storedLength(const std::string& utf8)
{
    return std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

int64_t unlessSize(CUnless& unless)
{
    int64_t size = 0;
    for (const auto& month : unless.Months()) {
        size += Month + storedLength(month->Key());
        for (const auto& day : month->Days()) size += Day + storedLength(day->Key());
    }
    for (const auto& weekDay : unless.WeekDays()) size += WeekDay + storedLength(weekDay->Key());
    return size;
}

} // namespace

int64_t EventFileSize::of(const colPlents& events)
{
    int64_t size = FileHeaders;
    for (const auto& e : events) {
        size += Event + storedLength(e->Identifier()) + storedLength(e->Description()) + storedLength(e->Parameter());
        size += unlessSize(e->Unless());
    }
    return size;
}

} // namespace Plent
