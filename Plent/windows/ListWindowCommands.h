#pragma once
#include <QObject>

#include <cstdint>
#include <memory>
#include <string>

#include "EventFileChanges.h"
#include "Platform/ui/Form.h"

namespace Platform {
class ActiveBar;
class ActiveBarTool;
class ReportList;
} // namespace Platform

namespace Plent {

class CPlentEngine;
class frmShowPlents;

// What the user does in the event list window: the commands behind the
// tools of its bar, each by the tool's name and most of them behind the
// password; keys handed to the bar first; the context menu on a right-button
// release over the list; and the password before the user closes the window.
//
// Errors of the engine's operations are shown in a message box and the list
// is rebuilt, so that it shows what the failed command left.
//
// On an event file, nothing unsaved goes without a question: the user's
// close, Exit and Open ask whether to save changed events first, and a save
// over a file that changed on disk since it was opened or saved asks whether
// to overwrite it or to reload it.
class ListWindowCommands : public QObject {
    Q_OBJECT

public:
    ListWindowCommands(frmShowPlents& window, Platform::ActiveBar& bar, Platform::ReportList& list);

    void ActiveBar1_Click(Platform::ActiveBarTool* Tool);
    // Runs the command of that tool name; any other name does nothing.
    void Run(const std::string& tool);
    // The password gate: true lets a command go on.
    bool CheckPassword();
    void Form_QueryUnload(bool& Cancel, Platform::UnloadMode mode);
    // The events as they are now are those of the event file.
    void markSaved();
    bool eventsChanged() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The table of commands names the commands below.
    friend struct ListCommand;

    void lvwPlents_MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, const QPoint& pos);
    // Enter or a double click on a row: Edit where editing is allowed, else Show.
    void lvwPlents_Activated();
    bool Form_KeyDown(int KeyCode, Qt::KeyboardModifiers Shift);
    bool Form_KeyUp(int KeyCode, Qt::KeyboardModifiers Shift);

    void Open();
    void Save();
    void Exit();
    void Edit();
    void Add();
    void Del();
    void Show();
    void Stop();
    void Go();
    // The selected event's runs in a window of their own.
    void History();
    // The selected event's command line at once, through the runner of the
    // event file, which records it as a start by hand.
    void StartNow();
    // A box with the error icon and the window's text, %1 replaced.
    void fail(int16_t textNr, const char* design, const std::string& argument);
    // Stop and Go: only the selected event's Status changes. A selection
    // that names no event any more counts as none.
    void setSelectedStatus(int16_t status);
    // True when the events may be closed or replaced: unchanged, saved or
    // given up by the user.
    bool mayLeaveEvents();
    // False when the user chose not to overwrite the file.
    bool saveChecked();
    void load();
    // The user's answer, as the index of the button.
    int ask(int16_t textNr, const char* design, std::initializer_list<int16_t> buttons);

    CPlentEngine& engine() const;

    frmShowPlents& window_;
    Platform::ActiveBar& bar_;
    EventFileChanges changes_;
};

} // namespace Plent
