#include "EditorTransfer.h"

#include <cstdlib>
#include <utility>

#include "CPlentEngine.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/locale/LocaleDateTime.h"
#include "Platform/locale/LocaleDates.h"
#include "Platform/locale/LocaleNumbers.h"

namespace Plent {

namespace {

using Platform::DateTime;
using Platform::LocaleDates;
using Platform::LocaleNumbers;

constexpr const char* Source = "CPlentEngine.FormToCollections";
constexpr int SundayRow = 7;
constexpr int FromTableRow = 8;
constexpr int LastDay = 32;
constexpr int16_t Sunday = 1;

// A daily time as the time window boxes show it: 830 is "08:30". The number
// is written with four digits and a colon goes between the first two and
// the last two characters.
std::string timeOfDayText(int16_t hhmm)
{
    std::string digits = std::to_string(std::abs(hhmm));
    digits.insert(0, digits.size() < 4 ? 4 - digits.size() : 0, '0');
    if (hhmm < 0) digits.insert(0, "-");
    return digits.substr(0, 2) + ":" + digits.substr(digits.size() - 2);
}

DateTime dateTimeOf(const std::string& text)
{
    const auto t = Platform::LocaleDateTime::parse(text);
    if (!t) Platform::Raise(Platform::Err::TypeMismatch, Source);
    return *t;
}

// The hours and minutes of the time the text denotes: "08:30" is 830.
int16_t timeOfDay(const std::string& text) { return static_cast<int16_t>(dateTimeOf(text).hhmm()); }

std::string key(int number) { return std::to_string(number); }

} // namespace

EventDraft EditorTransfer::draftOf(const CPlent& e)
{
    const DateTime start = DateTime::fromDate(e.NextStart());
    EventDraft d;
    d.identifier = e.Identifier();
    d.parameter = e.Parameter();
    d.description = e.Description();
    d.firstStartDate = LocaleDates::shortDate(start);
    d.firstStartHour = LocaleDates::shortTime(start);
    d.deleteAfterDone = e.DeleteAfterDone();
    d.moveToNextDay = e.MoveToNextDay();
    d.delay = std::to_string(e.Delay());
    d.delayMode = e.DelayMode();
    d.retryMode = e.RetryMode();
    d.retry = std::to_string(e.Retry());
    d.from = timeOfDayText(e.From());
    d.to = timeOfDayText(e.To());
    marksOf(e.Unless(), d.marks);
    return d;
}

// The weekday grid lists Monday first: weekday 2..7 is row 1..6, Sunday
// (weekday 1) row 7.
void EditorTransfer::marksOf(const CUnless& u, CalendarMarks& marks)
{
    for (const auto& m : u.Months()) {
        for (const auto& d : std::as_const(*m).Days()) {
            if (m->Month() != 0) marks.setMonthDaySelected(m->Month(), d->Day(), true);
            else marks.setDaySelected(d->Day(), true);
        }
    }
    for (const auto& w : u.WeekDays())
        marks.setWeekDaySelected(w->WeekDay() != Sunday ? w->WeekDay() - 1 : SundayRow, true);
    if (u.FromTable()) marks.setWeekDaySelected(FromTableRow, true);
}

std::shared_ptr<CPlent> EditorTransfer::eventOf(const EventDraft& d)
{
    try {
        auto e = CPlentEngine::NewPlent();
        e->setNextStart(dateTimeOf(d.firstStartDate + " " + d.firstStartHour).toDate());
        e->setRetryMode(static_cast<int16_t>(d.retryMode));
        e->setRetry(LocaleNumbers::toInteger(d.retry));
        e->setFrom(timeOfDay(d.from));
        e->setTo(timeOfDay(d.to));
        e->setDeleteAfterDone(d.deleteAfterDone);
        e->setMoveToNextDay(d.moveToNextDay);
        e->setParameter(d.parameter);
        e->setDescription(d.description);
        e->setDelay(LocaleNumbers::toInteger(d.delay));
        if (e->Delay() != 0 && d.delayMode >= 0) e->setDelayMode(static_cast<int16_t>(d.delayMode));
        dropWhatTheModeDoesNotUse(*e);
        if (e->RetryMode() != RetryMode::OncePerRun && e->RetryMode() != RetryMode::Once) unlessOf(d.marks, e->Unless());
        return e;
    } catch (const Platform::AutomationError& error) {
        throw Platform::AutomationError(error.number(), Source);
    }
}

// An event of "once by start" becomes due through the start of a run, not
// through a date; neither one-time mode has a time window or a next day to
// move to, and their unless marks are not taken over at all.
void EditorTransfer::dropWhatTheModeDoesNotUse(CPlent& e)
{
    if (e.RetryMode() == RetryMode::OncePerRun) {
        e.setFinished(true);
        e.setNextStart(0);
        e.setDelay(0);
        e.setDelayMode(DelayMode::DoIt);
    }
    if (e.RetryMode() == RetryMode::OncePerRun || e.RetryMode() == RetryMode::Once) {
        e.setFrom(0);
        e.setTo(0);
        e.setMoveToNextDay(false);
    }
}

// Months and days in ascending order, "0" (every month) first; weekdays in
// the grid's order, Monday first.
void EditorTransfer::unlessOf(const CalendarMarks& marks, CUnless& u)
{
    for (int month = 0; month <= 12; ++month) {
        auto m = CPlentEngine::NewMonth();
        m->setMonth(static_cast<int16_t>(month));
        for (int day = 1; day <= LastDay; ++day) {
            if (!(month == 0 ? marks.DaySelected(day) : marks.MonthDaySelected(month, day))) continue;
            auto d = CPlentEngine::NewDay();
            d->setDay(static_cast<int16_t>(day));
            m->Days().Add(d, key(day));
        }
        if (m->Days().Count() > 0) u.Months().Add(m, key(month));
    }
    for (int row = 1; row <= SundayRow; ++row) {
        if (!marks.WeekDaySelected(row)) continue;
        auto w = CPlentEngine::NewWeekDay();
        w->setWeekDay(static_cast<int16_t>(row == SundayRow ? Sunday : row + 1));
        u.WeekDays().Add(w, key(w->WeekDay()));
    }
    if (marks.WeekDaySelected(FromTableRow)) u.setFromTable(true);
}

} // namespace Plent
