#include "ListWindowCommands.h"

#include <QKeyEvent>

#include "ListCommand.h"
#include "PasswordGate.h"
#include "frmHistory.h"
#include "ShowPlentsBar.h"
#include "frmShowPlents.h"
#include "Plent/engine/CPlentEngine.h"
#include "Plent/engine/IntegerSum.h"
#include "Plent/engine/StartNowInterface.h"
#include "Platform/automation/ErrorInfo.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/ui/ActiveBar.h"
#include "Platform/boxes/MessageBox.h"
#include "Platform/ui/ReportList.h"

namespace Plent {

namespace {

constexpr int16_t PasswordWindowOffSet = 100;

// The questions and buttons, by message number and German design text.
enum QuestionText : int16_t { SaveQuestion = 25, SaveButton, DiscardButton, CancelButton, FileChangedQuestion, OverwriteButton, ReloadButton };

// What start now can answer.
enum StartText : int16_t { NoRunnerText = 43, UnknownEventText, UnansweredText };

std::string withArgument(std::string text, const std::string& argument)
{
    if (const size_t at = text.find("%1"); at != std::string::npos) text.replace(at, 2, argument);
    return text;
}

const char* buttonDesign(int16_t nr)
{
    switch (nr) {
    case SaveButton: return "Speichern";
    case DiscardButton: return "Verwerfen";
    case OverwriteButton: return "Überschreiben";
    case ReloadButton: return "Neu laden";
    default: return "Abbrechen";
    }
}

} // namespace

ListWindowCommands::ListWindowCommands(frmShowPlents& window, Platform::ActiveBar& bar, Platform::ReportList& list)
    : QObject(&window), window_(window), bar_(bar)
{
    connect(&bar, &Platform::ActiveBar::Click, this, &ListWindowCommands::ActiveBar1_Click);
    connect(&list, &Platform::ReportList::mouseReleased, this, &ListWindowCommands::lvwPlents_MouseUp);
    connect(&list, &Platform::ReportList::rowActivated, this, &ListWindowCommands::lvwPlents_Activated);
    // Keys reach the window's focused control first; the bar sees them before.
    window.installEventFilter(this);
    list.installEventFilter(this);
}

void ListWindowCommands::ActiveBar1_Click(Platform::ActiveBarTool* Tool) { Run(Tool->Name().toStdString()); }

void ListWindowCommands::Run(const std::string& tool)
{
    const ListCommand* command = ListCommand::Named(tool);
    if (!command) return;
    try {
        if (command->gated && !CheckPassword()) return;
        (this->*command->run)();
    } catch (const Platform::AutomationError& error) {
        Platform::MessageBox::showError(window_.ReportText(error));
        if (window_.isLoaded()) window_.FillList();
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
        if (!CheckPassword() || !mayLeaveEvents()) Cancel = true;
    } catch (const Platform::AutomationError& error) {
        Platform::MessageBox::showError(window_.ReportText(error));
        Cancel = true;
    }
}

// The press before it has selected the row and set the tools, so the menu
// shows what can be done with the row under the mouse.
void ListWindowCommands::lvwPlents_MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers, const QPoint&)
{
    if (Button == Qt::RightButton) bar_.Band(ShowPlentsBar::RecordMenu)->PopupMenu(-1, -1);
}

void ListWindowCommands::lvwPlents_Activated()
{
    const char* tool = window_.EditAllowed() ? "Edit" : "Show";
    if (bar_.Tool(tool)->Enabled()) Run(tool);
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
    if (mayLeaveEvents()) load();
}

// The events stay marked as changed while loading fails part-way.
void ListWindowCommands::load()
{
    engine().RemoveAll();
    engine().LoadObjects(window_.EventFile());
    markSaved();
    window_.FillList();
}

void ListWindowCommands::Save() { saveChecked(); }

void ListWindowCommands::Exit()
{
    if (mayLeaveEvents()) window_.Unload();
}

// A window is given its event file before its engine, which marks again;
// without an engine it has no events to change.
void ListWindowCommands::markSaved()
{
    const std::shared_ptr<CPlentEngine>& engine = window_.Engine();
    changes_.markSaved(window_.EventFile(), engine ? engine->Revision() : 0);
}

bool ListWindowCommands::eventsChanged() const
{
    const std::shared_ptr<CPlentEngine>& engine = window_.Engine();
    return engine && !window_.EventFile().empty() && changes_.eventsChanged(engine->Revision());
}

bool ListWindowCommands::mayLeaveEvents()
{
    if (!eventsChanged()) return true;
    switch (ask(SaveQuestion, "Die Events in '%1' wurden geändert. Änderungen speichern?",
                {SaveButton, DiscardButton, CancelButton})) {
    case 0: return saveChecked();
    case 1: return true;
    default: return false;
    }
}

bool ListWindowCommands::saveChecked()
{
    const std::string& file = window_.EventFile();
    if (changes_.fileChanged(file)) {
        const int answer = ask(FileChangedQuestion,
                               "'%1' wurde seit dem letzten Öffnen oder Speichern von einem anderen Programm geändert. "
                               "Überschreiben, oder neu laden und diese Änderungen verlieren?",
                               {OverwriteButton, ReloadButton, CancelButton});
        if (answer == 1) load();
        if (answer != 0) return false;
    }
    engine().SaveObjects(file);
    markSaved();
    window_.ShowTitle();
    return true;
}

// Cancel, the last button, is the one Escape and the close box stand for.
int ListWindowCommands::ask(int16_t textNr, const char* design, std::initializer_list<int16_t> buttons)
{
    const std::string text = withArgument(window_.Text(textNr, design), window_.EventFile());
    std::vector<std::string> captions;
    for (int16_t nr : buttons) captions.push_back(window_.Text(nr, buttonDesign(nr)));
    return Platform::MessageBox::ask(text, captions, static_cast<int>(captions.size()) - 1);
}

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

void ListWindowCommands::History() { frmHistory::open(window_, window_.SelectedIdentifier()); }

void ListWindowCommands::StartNow()
{
    const std::string identifier = window_.SelectedIdentifier();
    int16_t answer = Kalvor::NoRunner;
    std::string detail;
    if (const auto& starter = engine().Starter())
        Platform::Check(starter->StartNow(identifier, &answer, &detail), "frmShowPlents.StartNow");
    switch (answer) {
    case Kalvor::Started: return;
    case Kalvor::UnknownEvent: return fail(UnknownEventText, "Der Runner kennt kein Event '%1'.", identifier);
    case Kalvor::NoRunner:
        return fail(NoRunnerText, "Für '%1' läuft kein Runner; es wurde nichts gestartet.", window_.FollowedFile());
    default: return fail(UnansweredText, "Der Runner hat nicht geantwortet: %1", detail);
    }
}

void ListWindowCommands::fail(int16_t textNr, const char* design, const std::string& argument)
{
    Platform::MessageBox::showError(withArgument(window_.Text(textNr, design), argument));
}

void ListWindowCommands::setSelectedStatus(int16_t status)
{
    const std::shared_ptr<CPlent> selected = engine().Plents().Item(window_.SelectedIdentifier());
    if (!selected) return;
    selected->setStatus(status);
    window_.setSelectedIdentifier("");
    window_.FillList();
}

} // namespace Plent
