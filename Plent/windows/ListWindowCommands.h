#pragma once
#include <QObject>

#include <cstdint>
#include <memory>
#include <string>

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lvwPlents_MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, const QPoint& pos);
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
    // Stop and Go: only the selected event's Status changes. A selection
    // that names no event any more counts as none.
    void setSelectedStatus(int16_t status);

    CPlentEngine& engine() const;

    frmShowPlents& window_;
    Platform::ActiveBar& bar_;
};

} // namespace Plent
