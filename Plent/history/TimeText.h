#pragma once
#include <QString>

#include "Platform/dates/DateTime.h"

namespace History {

// Times in the history: local wall-clock time as "YYYY-MM-DD HH:MM:SS",
// which sorts as it reads.
class TimeText {
public:
    static QString of(Platform::DateTime t);
};

} // namespace History
