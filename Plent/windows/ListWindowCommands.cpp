#include "ListWindowCommands.h"

#include <QKeyEvent>

#include <array>

#include "PasswordGate.h"
#include "frmShowPlents.h"
#include "Plent/engine/CPlentEngine.h"
#include "Plent/engine/IntegerSum.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/ui/ActiveBar.h"
#include "Platform/boxes/MessageBox.h"
#include "Platform/ui/ReportList.h"

namespace Plent {

namespace {

constexpr int16_t PasswordWindowOffSet = 100;
constexpr const char* RecordMenu = "Datensätze-Menü";

struct Command {
    const char* tool;
    bool gated;
    void (ListWindowCommands::*run)();
};

} // namespace

ListWindowCommands::ListWindowCommands(frmShowPlents& window, Platform::ActiveBar& bar, Platform::ReportList& list)
    : QObject(&window), window_(window), bar_(bar)
{
    connect(&bar, &Platform::ActiveBar::Click, this, &ListWindowCommands::ActiveBar1_Click);
    connect(&list, &Platform::ReportList::mouseReleased, this, &ListWindowCommands::lvwPlents_MouseUp);
    // Keys reach the window's focused control first; the bar sees them before.
    window.installEventFilter(this);
    list.installEventFilter(this);
}

void ListWindowCommands::ActiveBar1_Click(Platform::ActiveBarTool* Tool) { Run(Tool->Name().toStdString()); }

void ListWindowCommands::Run(const std::string& tool)
{
    static constexpr std::array<Command, 9> Commands{{
        {"Open", true, &ListWindowCommands::Open},
        {"Save", true, &ListWindowCommands::Save},
        {"Exit", true, &ListWindowCommands::Exit},
        {"Edit", true, &ListWindowCommands::Edit},
        {"Add", true, &ListWindowCommands::Add},
        {"Del", true, &ListWindowCommands::Del},
        {"Show", false, &ListWindowCommands::Show},
        {"Stop", true, &ListWindowCommands::Stop},
        {"Go", true, &ListWindowCommands::Go},
    }};
    for (const Command& command : Commands) {
        if (tool != command.tool) continue;
        try {
            if (command.gated && !CheckPassword()) return;
            (this->*command.run)();
        } catch (const Platform::AutomationError& error) {
            Platform::MessageBox::show(error.report());
            if (window_.isLoaded()) window_.FillList();
        }
        return;
    }
}

bool ListWindowCommands::CheckPassword()
{
    if (window_.Password().empty()) return true;
    const int16_t offSet = IntegerSum(window_.MsgOffSet(), PasswordWindowOffSet, "frmShowPlents.CheckPassword");
    return PasswordGate::Check(window_.Password(), window_.hMsg(), offSet, &window_);
}

// Only the user's close is guarded; Exit has passed its own gate.
void ListWindowCommands::Form_QueryUnload(bool& Cancel, Platform::UnloadMode mode)
{
    if (mode != Platform::UnloadMode::FormControlMenu) return;
    try {
        if (!CheckPassword()) Cancel = true;
    } catch (const Platform::AutomationError& error) {
        Platform::MessageBox::show(error.report());
        Cancel = true;
    }
}

// The press before it has selected the row and set the tools, so the menu
// shows what can be done with the row under the mouse.
void ListWindowCommands::lvwPlents_MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers, const QPoint&)
{
    if (Button == Qt::RightButton) bar_.Band(RecordMenu)->PopupMenu(-1, -1);
}

bool ListWindowCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (Form_KeyDown(key->key(), key->modifiers())) return true;
    } else if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (Form_KeyUp(key->key(), key->modifiers())) return true;
    }
    return QObject::eventFilter(watched, event);
}

// True: the bar took the key, nothing else on the window sees it.
bool ListWindowCommands::Form_KeyDown(int KeyCode, Qt::KeyboardModifiers Shift) { return bar_.OnKeyDown(KeyCode, Shift); }

bool ListWindowCommands::Form_KeyUp(int KeyCode, Qt::KeyboardModifiers Shift) { return bar_.OnKeyUp(KeyCode, Shift); }

CPlentEngine& ListWindowCommands::engine() const
{
    const std::shared_ptr<CPlentEngine>& engine = window_.Engine();
    if (!engine) Platform::Raise(Platform::Err::ObjectNotSet, "frmShowPlents");
    return *engine;
}

void ListWindowCommands::Open()
{
    engine().RemoveAll();
    engine().LoadObjects(window_.EventFile());
    window_.FillList();
}

void ListWindowCommands::Save() { engine().SaveObjects(window_.EventFile()); }

void ListWindowCommands::Exit() { window_.Unload(); }

void ListWindowCommands::Edit()
{
    engine().Update(window_.SelectedIdentifier());
    window_.FillList();
}

void ListWindowCommands::Add()
{
    std::string before = window_.SelectedIdentifier();
    engine().Add(before);
    window_.FillList();
}

void ListWindowCommands::Del()
{
    engine().Remove(window_.SelectedIdentifier());
    window_.setSelectedIdentifier("");
    window_.FillList();
}

void ListWindowCommands::Show() { engine().Show(window_.SelectedIdentifier()); }

void ListWindowCommands::Stop() { setSelectedStatus(Status::Stopped); }

void ListWindowCommands::Go() { setSelectedStatus(Status::Open); }

void ListWindowCommands::setSelectedStatus(int16_t status)
{
    const std::shared_ptr<CPlent> selected = engine().Plents().Item(window_.SelectedIdentifier());
    if (!selected) return;
    selected->setStatus(status);
    window_.setSelectedIdentifier("");
    window_.FillList();
}

} // namespace Plent
