#pragma once
#include <QString>

#include "Platform/modules/Library.h"

// The runner's own texts, by message number from the language library (ID
// 1400 + number), German where the library has none.
class RunnerTexts {
public:
    static constexpr unsigned Offset = 1400;
    enum Number : unsigned {
        MoreFailed = 0, StartedLate = 1, NotStarted = 2, ExitStatus = 3, Signal = 4, Skipped = 5, Held = 6,
        // The tray icon's tooltip and menu.
        NextStart = 100, EventCount = 101, NoNextStart = 102, Running = 103, Failed = 104, DisplayAll = 105,
        ExitRunner = 106
    };

    explicit RunnerTexts(Platform::ModuleHandle hMsg) : hMsg_(hMsg) {}

    // The text with its %1 replaced by the argument.
    QString text(Number number, const QString& argument) const;
    QString text(Number number, const QString& first, const QString& second) const;
    QString text(Number number) const;

private:
    static const char* german(Number number);

    Platform::ModuleHandle hMsg_;
};
