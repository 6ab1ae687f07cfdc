#pragma once
#include <functional>
#include <optional>
#include <string>

#include "EventDraft.h"

namespace Plent {

// The entries of the editor that OK checks.
enum class EditorEntry { Identifier, FirstStart, From, To, WeekDays, Days, MonthDays };

// The checks of the editor's OK, in their order. The first that fails names
// the tab and the entry the user is sent to.
class EditorChecks {
public:
    struct Failure {
        int tab;
        EditorEntry entry;
    };
    // Answers whether an event has the identifier; empty outside add mode.
    using ExistEvent = std::function<bool(const std::string&)>;

    static std::optional<Failure> firstFailure(const EventDraft& draft, const ExistEvent& existEvent);

private:
    static bool blank(const std::string& text);
    static bool everyWeekDayMarked(const CalendarMarks& marks);
    static bool daysRejected(const CalendarMarks& marks);
    static bool monthDaysRejected(const CalendarMarks& marks);
};

} // namespace Plent
