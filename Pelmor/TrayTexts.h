#pragma once
#include <QString>

#include "Platform/dates/DateTime.h"

class RunnerStatus;
class RunnerTexts;

// The tray icon's tooltip, a line each: the next start (its time alone when
// it is today), the number of events, the programs running now and the
// failure the user has not looked at yet.
class TrayTexts {
public:
    static QString tooltip(const RunnerStatus& status, const RunnerTexts& texts, Platform::DateTime now);
};
