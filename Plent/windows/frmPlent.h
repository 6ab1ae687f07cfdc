#pragma once
#include <QWidget>

#include <memory>
#include <span>

#include "frmPlentControls.h"
#include "Plent/engine/CalendarMarks.h"
#include "Plent/engine/IPlentForm.h"
#include "Platform/ui/Form.h"

class QCheckBox;
class QLineEdit;

namespace Plent {

class CMsg;

// The event editor: a fixed-size modal dialog in which the user adds, edits
// or looks at one event. It only holds the entered values in its controls
// and in its calendar marks; the engine copies them to and from the event.
// OK validates silently and hides the window; Cancel and the close box hide
// it unconfirmed. The window is unloaded when its owner deletes it.
class frmPlent : public Platform::Form<QWidget>, public IPlentForm {
    Q_OBJECT
public:
    frmPlent();
    ~frmPlent() override;

    void Init(int32_t hMsg, int16_t iOffSet) override;
    void setEngine(CPlentEngine* engine) override { engine_ = engine; }
    // True: every entry editable but the identifier; False: a read-only
    // view in which only the months can be looked through.
    void SetEditable(bool editable) override;
    bool Editable() const override { return editable_; }
    void ShowModal() override;
    bool Confirmed() const override { return confirmed_; }

    std::string Text(const std::string& textBox) const override;
    void setText(const std::string& textBox, const std::string& text) override;
    int CheckValue(const std::string& checkBox) const override;
    void setCheckValue(const std::string& checkBox, int value) override;
    int SelectedOption(const std::string& optionArray) const override;
    void selectOption(const std::string& optionArray, int index) override;

    bool DaySelected(int day) const override { return marks_.DaySelected(day); }
    void setDaySelected(int day, bool selected) override { marks_.setDaySelected(day, selected); }
    bool WeekDaySelected(int row) const override { return marks_.WeekDaySelected(row); }
    void setWeekDaySelected(int row, bool selected) override { marks_.setWeekDaySelected(row, selected); }
    bool MonthDaySelected(int month, int day) const override { return marks_.MonthDaySelected(month, day); }
    void setMonthDaySelected(int month, int day, bool selected) override
    {
        marks_.setMonthDaySelected(month, day, selected);
    }

protected:
    void Form_QueryUnload(bool& Cancel, Platform::UnloadMode mode) override;
    void Form_Unload() override;

private:
    static constexpr int UnlessTab = 2;

    void connectHandlers();
    void connectGrids();
    void showToday();
    void showCaption();
    void centreOverOwner();

    void optRetryMode_Click(int Index);
    void showOneTimeMode(bool once);
    void showRepeatingMode(int index);
    void chkDelete_Click();
    void chkMove_Click();
    void txtDelay_Change();
    void txtRetry_Change();
    void sstabPlent_Click(int PreviousTab);
    void cmdOK_Click();
    void cmdCancel_Click();

    void msgDays_Click();
    void msgWeekDay_Click();
    void msgMonth_Click();
    void msgMonthDay_Click();
    void msgDays_KeyPress(int KeyAscii);
    void msgWeekDay_KeyPress(int KeyAscii);

    void setDelayOptionsEnabled(bool enabled);
    void setModesEnabled(int first, int last, bool enabled);
    void setStartBoxesEnabled(bool enabled);
    void sendTo(int tab, const char* control);

    QLineEdit* textBox(const std::string& name) const;
    QCheckBox* checkBox(const std::string& name) const;
    std::span<QRadioButton* const> options(const std::string& name) const;

    frmPlentControls ui_;
    CalendarMarks marks_;
    std::unique_ptr<CMsg> Msg;
    int32_t hMsg_ = -1;
    CPlentEngine* engine_ = nullptr;
    bool editable_ = true;
    bool confirmed_ = false;
};

} // namespace Plent
