#pragma once
#include <functional>
#include <optional>
#include <string>

#include "CalendarMarks.h"

namespace Plent {

struct IPlentForm;

// What OK checks: the texts of the editor's boxes and the grid marks.
struct EditorEntries {
    std::string identifier;
    std::string firstStartDate;
    std::string firstStartHour;
    std::string from;
    std::string to;

    // The texts of an editor's boxes, with or without a window.
    static EditorEntries of(const IPlentForm& form);
};

// The checks of the editor's OK, in their order. The first that fails names
// the tab and the control the user is sent to.
class EditorChecks {
public:
    struct Failure {
        int tab;
        const char* control;
    };
    // Answers whether an event has the identifier; empty outside add mode.
    using ExistEvent = std::function<bool(const std::string&)>;

    static std::optional<Failure> firstFailure(const EditorEntries& entries, const ExistEvent& existEvent,
                                               const CalendarMarks& marks);

private:
    static bool blank(const std::string& text);
    static bool everyWeekDayMarked(const CalendarMarks& marks);
    static bool daysRejected(const CalendarMarks& marks);
    static bool monthDaysRejected(const CalendarMarks& marks);
};

} // namespace Plent
