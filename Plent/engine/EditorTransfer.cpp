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

void EditorTransfer::CollectionsToForm(const std::string& identifier, IPlentForm& form) const
{
    const auto e = std::as_const(engine_).Plents().Item(identifier);
    if (!e) Platform::Raise(Platform::Err::ObjectNotSet, "CPlentEngine.CollectionsToForm");
    fieldsToForm(*e, form);
    unlessToForm(e->Unless(), form);
}

void EditorTransfer::fieldsToForm(const CPlent& e, IPlentForm& form)
{
    const DateTime start = DateTime::fromDate(e.NextStart());
    form.setText("txtIdentifier", e.Identifier());
    form.setText("txtParameter", e.Parameter());
    form.setText("txtDescription", e.Description());
    form.setText("txtFirstStartDate", LocaleDates::shortDate(start));
    form.setText("txtFirstStartHour", LocaleDates::shortTime(start));
    form.setCheckValue("chkDelete", e.DeleteAfterDone() ? 1 : 0);
    form.setCheckValue("chkMove", e.MoveToNextDay() ? 1 : 0);
    form.setText("txtDelay", std::to_string(e.Delay()));
    form.selectOption("optDelay", e.DelayMode());
    form.selectOption("optRetryMode", e.RetryMode());
    form.setText("txtRetry", std::to_string(e.Retry()));
    form.setText("txtFrom", timeOfDayText(e.From()));
    form.setText("txtTo", timeOfDayText(e.To()));
}

// The weekday grid lists Monday first: weekday 2..7 is row 1..6, Sunday
// (weekday 1) row 7.
void EditorTransfer::unlessToForm(CUnless& u, IPlentForm& form)
{
    for (const auto& m : u.Months()) {
        for (const auto& d : m->Days()) {
            if (m->Month() != 0) form.setMonthDaySelected(m->Month(), d->Day(), true);
            else form.setDaySelected(d->Day(), true);
        }
    }
    for (const auto& w : u.WeekDays())
        form.setWeekDaySelected(w->WeekDay() != Sunday ? w->WeekDay() - 1 : SundayRow, true);
    if (u.FromTable()) form.setWeekDaySelected(FromTableRow, true);
}

void EditorTransfer::FormToCollections(IPlentForm& form, const std::string& before) const
{
    try {
        addToCollection(eventFromForm(form), form.Text("txtIdentifier"), before);
    } catch (const Platform::AutomationError& error) {
        throw Platform::AutomationError(error.number(), Source);
    }
}

std::shared_ptr<CPlent> EditorTransfer::eventFromForm(IPlentForm& form)
{
    auto e = CPlentEngine::NewPlent();
    e->setNextStart(dateTimeOf(form.Text("txtFirstStartDate") + " " + form.Text("txtFirstStartHour")).toDate());
    e->setRetryMode(static_cast<int16_t>(form.SelectedOption("optRetryMode")));
    e->setRetry(LocaleNumbers::toInteger(form.Text("txtRetry")));
    e->setFrom(timeOfDay(form.Text("txtFrom")));
    e->setTo(timeOfDay(form.Text("txtTo")));
    e->setDeleteAfterDone(form.CheckValue("chkDelete") != 0);
    e->setMoveToNextDay(form.CheckValue("chkMove") != 0);
    e->setParameter(form.Text("txtParameter"));
    e->setDescription(form.Text("txtDescription"));
    e->setDelay(LocaleNumbers::toInteger(form.Text("txtDelay")));
    if (e->Delay() != 0 && form.SelectedOption("optDelay") >= 0)
        e->setDelayMode(static_cast<int16_t>(form.SelectedOption("optDelay")));
    dropWhatTheModeDoesNotUse(*e);
    if (e->RetryMode() != RetryMode::OncePerRun && e->RetryMode() != RetryMode::Once) unlessFromForm(form, e->Unless());
    return e;
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
void EditorTransfer::unlessFromForm(IPlentForm& form, CUnless& u)
{
    for (int month = 0; month <= 12; ++month) {
        auto m = CPlentEngine::NewMonth();
        m->setMonth(static_cast<int16_t>(month));
        for (int day = 1; day <= LastDay; ++day) {
            if (!(month == 0 ? form.DaySelected(day) : form.MonthDaySelected(month, day))) continue;
            auto d = CPlentEngine::NewDay();
            d->setDay(static_cast<int16_t>(day));
            m->Days().Add(d, key(day));
        }
        if (m->Days().Count() > 0) u.Months().Add(m, key(month));
    }
    for (int row = 1; row <= SundayRow; ++row) {
        if (!form.WeekDaySelected(row)) continue;
        auto w = CPlentEngine::NewWeekDay();
        w->setWeekDay(static_cast<int16_t>(row == SundayRow ? Sunday : row + 1));
        u.WeekDays().Add(w, key(w->WeekDay()));
    }
    if (form.WeekDaySelected(FromTableRow)) u.setFromTable(true);
}

// The event is taken back out when its next start cannot be computed, so
// that a failure never leaves a half-made event in the list.
void EditorTransfer::addToCollection(const std::shared_ptr<CPlent>& e, const std::string& identifier,
                                     const std::string& before) const
{
    engine_.Plents().Add(e, identifier, before);
    try {
        engine_.CalcNextStart(*e);
    } catch (...) {
        engine_.Plents().Remove(identifier);
        throw;
    }
}

} // namespace Plent
