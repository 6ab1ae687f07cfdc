#pragma once
#include <map>
#include <string>

#include "CalendarMarks.h"
#include "EditorChecks.h"
#include "IPlentForm.h"

namespace Plent {

// The event editor's values without a window: the texts of its boxes, its
// check boxes, options and calendar marks, as a new editor window holds
// them until they are written. Clients that make events without widgets
// fill one, check it with the editor's own checks and hand it to the
// engine's transfer, so that their events are made as the editor's are.
// Writing runs no handlers: the writer keeps the values consistent.
class DraftForm : public IPlentForm {
public:
    void Init(int32_t, int16_t) override {}
    void setEngine(CPlentEngine* engine) override { engine_ = engine; }
    void SetEditable(bool editable) override { editable_ = editable; }
    bool Editable() const override { return editable_; }
    // Confirmed as it stands: there is nobody to ask.
    void ShowModal() override {}
    bool Confirmed() const override { return true; }

    std::string Text(const std::string& textBox) const override;
    void setText(const std::string& textBox, const std::string& text) override { texts_[textBox] = text; }
    int CheckValue(const std::string& checkBox) const override;
    void setCheckValue(const std::string& checkBox, int value) override { checks_[checkBox] = value; }
    int SelectedOption(const std::string& optionArray) const override;
    void selectOption(const std::string& optionArray, int index) override { options_[optionArray] = index; }

    bool DaySelected(int day) const override { return marks_.DaySelected(day); }
    void setDaySelected(int day, bool selected) override { marks_.setDaySelected(day, selected); }
    bool WeekDaySelected(int row) const override { return marks_.WeekDaySelected(row); }
    void setWeekDaySelected(int row, bool selected) override { marks_.setWeekDaySelected(row, selected); }
    bool MonthDaySelected(int month, int day) const override { return marks_.MonthDaySelected(month, day); }
    void setMonthDaySelected(int month, int day, bool selected) override
    {
        marks_.setMonthDaySelected(month, day, selected);
    }

    // The first of the editor's OK checks that the values fail, as for a
    // window in add mode when an engine was set.
    std::optional<EditorChecks::Failure> firstFailure() const;

private:
    CPlentEngine* engine_ = nullptr;
    bool editable_ = true;
    std::map<std::string, std::string> texts_{
        {"txtDelay", "0"}, {"txtRetry", "1"}, {"txtFrom", "00:00"}, {"txtTo", "00:00"}};
    std::map<std::string, int> checks_;
    std::map<std::string, int> options_{{"optDelay", 0}, {"optRetryMode", 1}};
    CalendarMarks marks_;
};

} // namespace Plent
