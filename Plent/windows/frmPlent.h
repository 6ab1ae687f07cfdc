#pragma once
#include <QWidget>

#include <array>
#include <memory>

#include "frmPlentControls.h"
#include "Plent/engine/EditorChecks.h"
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
    EventDraft Draft() const override;
    std::optional<EventDraft> Edit(const EventDraft& draft, EditorMode mode, const IdentifierTaken& taken) override;

    // Writes the draft into the controls and marks, as Edit does before it
    // shows the window.
    void setDraft(const EventDraft& draft);
    // Add mode leaves every entry editable and lets OK refuse an identifier
    // that taken answers for; the others are SetEditable's.
    void setMode(EditorMode mode, const IdentifierTaken& taken);
    // True: every entry editable but the identifier; False: a read-only
    // view in which only the months can be looked through.
    void SetEditable(bool editable);
    bool Editable() const { return editable_; }
    void ShowModal();
    bool Confirmed() const { return confirmed_; }

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
    void sendTo(int tab, EditorEntry entry);
    QWidget* entryWidget(EditorEntry entry) const;
    int chosenMonth() const;

    frmPlentControls ui_;
    CalendarMarks marks_;
    // The month chosen in the month grid (1..12), at most one marked.
    std::array<bool, 13> month_{};
    std::unique_ptr<CMsg> Msg;
    int32_t hMsg_ = -1;
    IdentifierTaken taken_;
    bool editable_ = true;
    bool confirmed_ = false;
};

} // namespace Plent
