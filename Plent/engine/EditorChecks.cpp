#include "EditorChecks.h"

#include "Platform/locale/LocaleDateTime.h"

namespace Plent {

namespace {

using Platform::LocaleDateTime;

constexpr int February = UnlessMask::February;

int lastOfferedDay(int month) { return month == February ? 29 : 31; }

} // namespace

std::optional<EditorChecks::Failure> EditorChecks::firstFailure(const EventDraft& draft,
                                                                const ExistEvent& existEvent)
{
    const CalendarMarks& marks = draft.marks;
    if (blank(draft.identifier)) return Failure{0, EditorEntry::Identifier};
    if (existEvent && existEvent(draft.identifier)) return Failure{0, EditorEntry::Identifier};
    if (!LocaleDateTime::isDateTime(draft.firstStartDate + " " + draft.firstStartHour))
        return Failure{0, EditorEntry::FirstStart};
    if (!LocaleDateTime::isDateTime(draft.from)) return Failure{1, EditorEntry::From};
    if (!LocaleDateTime::isDateTime(draft.to)) return Failure{1, EditorEntry::To};
    if (everyWeekDayMarked(marks)) return Failure{2, EditorEntry::WeekDays};
    if (daysRejected(marks)) return Failure{2, EditorEntry::Days};
    if (monthDaysRejected(marks)) return Failure{2, EditorEntry::MonthDays};
    return std::nullopt;
}

bool EditorChecks::blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// "From table" is no weekday: it may be marked with all seven.
bool EditorChecks::everyWeekDayMarked(const CalendarMarks& marks)
{
    for (int row = 1; row <= 7; ++row) {
        if (!marks.WeekDaySelected(row)) return false;
    }
    return true;
}

// Every day of the month excluded, or the last day without the 31st, which
// some months end on.
bool EditorChecks::daysRejected(const CalendarMarks& marks)
{
    if (marks.DaySelected(CalendarMarks::LastDay) && !marks.DaySelected(31)) return true;
    for (int day = 1; day <= 31; ++day) {
        if (!marks.DaySelected(day)) return false;
    }
    return true;
}

// Every day of every month excluded (one search over all months), or
// February's last day without its 29th.
bool EditorChecks::monthDaysRejected(const CalendarMarks& marks)
{
    if (marks.MonthDaySelected(February, CalendarMarks::LastDay) && !marks.MonthDaySelected(February, 29)) return true;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= lastOfferedDay(month); ++day) {
            if (!marks.MonthDaySelected(month, day)) return false;
        }
    }
    return true;
}

} // namespace Plent
