#pragma once
#include "Platform/dates/DateTime.h"

namespace TestSupport {

// A wall-clock time written as the calendar gives it.
inline Platform::DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return Platform::DateTime::fromCivil(y, mo, d, h, mi, s);
}

} // namespace TestSupport
