#pragma once
#include <cstdint>
#include <string>

namespace Plent {

class CPlentEngine;

// The event editor as the engine sees it: what Add, Update and Show do with
// the window, and what the transfer between window and event reads and
// writes. Controls are named as designed ("txtIdentifier", "chkDelete",
// "optRetryMode"). Writing a value runs the control's handlers exactly as a
// user's change would, and only when the value really changes. A name the
// window does not have, an option index outside its array and a mark index
// outside its table raise errors.
struct IPlentForm {
    virtual ~IPlentForm() = default;

    virtual void Init(int32_t hMsg, int16_t iOffSet) = 0;
    // Set in add mode only: OK then refuses an identifier the engine has.
    virtual void setEngine(CPlentEngine* engine) = 0;
    virtual void SetEditable(bool editable) = 0;
    virtual bool Editable() const = 0;
    // Shows the window modally; returns when it hides itself.
    virtual void ShowModal() = 0;
    virtual bool Confirmed() const = 0;

    virtual std::string Text(const std::string& textBox) const = 0;
    virtual void setText(const std::string& textBox, const std::string& text) = 0;
    // Check boxes: 0 unchecked, 1 checked.
    virtual int CheckValue(const std::string& checkBox) const = 0;
    virtual void setCheckValue(const std::string& checkBox, int value) = 0;
    // Option arrays: the first selected index, -1 when none is selected.
    virtual int SelectedOption(const std::string& optionArray) const = 0;
    virtual void selectOption(const std::string& optionArray, int index) = 0;

    // The marks of the calendar grids (index rules as designed).
    virtual bool DaySelected(int day) const = 0;
    virtual void setDaySelected(int day, bool selected) = 0;
    virtual bool WeekDaySelected(int row) const = 0;
    virtual void setWeekDaySelected(int row, bool selected) = 0;
    virtual bool MonthDaySelected(int month, int day) const = 0;
    virtual void setMonthDaySelected(int month, int day, bool selected) = 0;
};

} // namespace Plent
