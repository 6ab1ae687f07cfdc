#pragma once
#include <QMainWindow>

#include <cstdint>
#include <memory>
#include <string>

#include "PlentRowTexts.h"
#include "Plent/history/LastResults.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/ui/Form.h"

class QFileSystemWatcher;

namespace Platform {
class ActiveBar;
class ActiveBarTool;
class ReportList;
} // namespace Platform

namespace Plent {

class CMsg;
class CPlent;
class CPlentEngine;
class ListWindowCommands;

// The event list window: every event of the engine with identifier,
// description, next start, last start, last status and the last result its
// runs have in the history beside the event file (followed as the runner
// writes it), and the menu bar and toolbars with the commands on them. It registers with the engine as
// objShowEvents while it is loaded and takes the registration back when it
// unloads, which ends the runner at its next poll.
//
// The list sits inside the area the bars leave free. SelectedIdentifier is
// the event of the highlighted row: a mouse press or the keyboard moves both
// at once, and a rebuild of the rows highlights that event's row again.
class frmShowPlents : public Platform::Form<QMainWindow> {
    Q_OBJECT

public:
    // The window's design width, and the list's distance from the top and
    // the sides of the free area, in twips.
    static constexpr int WindowWidth = 10800;
    static constexpr int ListTop = 60;
    static constexpr int ListLeft = 60;

    // Form_Load: the controls with their design texts, the window's size,
    // the layout and the tool states.
    frmShowPlents();
    ~frmShowPlents() override;

    // The texts of the language library (hMsg -1: the design texts stay) at
    // message number base iOffSet, and the list's columns.
    void Init(int32_t hMsg, int16_t iOffSet);

    // Members for the engine library only.
    const std::shared_ptr<CPlentEngine>& Engine() const { return engine_; }
    // The events it is given are those of its event file, as saved.
    void setEngine(std::shared_ptr<CPlentEngine> engine);
    bool EditAllowed() const { return editAllowed_; }
    void setEditAllowed(bool editAllowed) { editAllowed_ = editAllowed; }
    const std::string& EventFile() const { return eventFile_; }
    // The events as they are now are that file's.
    void setEventFile(std::string eventFile);
    const std::string& Password() const { return password_; }
    void setPassword(std::string password) { password_ = std::move(password); }
    // The close box and the window manager hide the window instead of
    // unloading it (a runner that goes on without it); Exit still unloads.
    void setHideOnClose(bool hide) { hideOnClose_ = hide; }
    const std::string& SelectedIdentifier() const { return selectedIdentifier_; }
    void setSelectedIdentifier(std::string identifier) { selectedIdentifier_ = std::move(identifier); }
    int32_t hMsg() const { return hMsg_; }
    // The message number base of the window's texts.
    int16_t MsgOffSet() const;
    // The window's text of that message number, or its design text.
    std::string Text(int16_t msgNr, const std::string& design);
    // An error as the window reports it, in the window's language.
    std::string ReportText(const Platform::AutomationError& error) const;

    // Rebuilds every row from the engine's events, then the tool states.
    void FillList();
    // Which tools can be used, after the settings, the selection and the
    // selected event's status.
    void UpdateTools();
    // On an event file: its name, and a mark while there are unsaved
    // changes; without one the window is the runner's, and says so.
    void ShowTitle();
    // The window's event file, else the file the engine loaded its events
    // from; empty when there is neither.
    std::string FollowedFile() const;
    // The run history the window follows; empty when it has none.
    const std::string& HistoryFile() const { return historyFile_; }

signals:
    // The history was read again: the runner has written to it.
    void historyRead();

protected:
    void Form_QueryUnload(bool& Cancel, Platform::UnloadMode mode) override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The caption now in the title, and the runner's title made of it.
    void takeCaption(const QString& runnerTitle);
    void InitColumns();
    // Every row's texts, from the engine's events as they are now.
    QList<QStringList> rows();
    void loadStatusTexts();
    void fitColumnsOnce();
    // The history beside the window's event file, else beside the file the
    // engine loaded; read again whenever it changes.
    void followHistory();
    void readHistory();
    void historyMayHaveAppeared();
    void openTallEnough();
    void openWideEnough();
    void ArrangeControls();
    void lvwPlents_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, const QPoint& pos);
    void lvwPlents_RowChosen(int row);
    // Once after the rebuilds that came before it: finding the row makes
    // the rows.
    void highlightSelectedSoon();
    void highlightSelected();
    // The event SelectedIdentifier names; nullptr when there is none, which
    // counts as no selection.
    std::shared_ptr<CPlent> selectedEvent() const;

    std::shared_ptr<CPlentEngine> engine_;
    bool editAllowed_ = false;
    bool hideOnClose_ = false;
    std::string eventFile_;
    std::string password_;
    std::string selectedIdentifier_;
    std::unique_ptr<CMsg> Msg;
    int32_t hMsg_ = 0;

    // The area the bars leave free, holding the list.
    QWidget* clientArea_;
    Platform::ReportList* lvwPlents;
    Platform::ActiveBar* ActiveBar1;
    PlentRowTexts rowTexts_;
    bool columnsFitted_ = false;
    bool highlightPending_ = false;
    QString caption_;
    QString runnerTitle_;
    ListWindowCommands* commands_;
    std::string historyFile_;
    QFileSystemWatcher* historyWatcher_;
    History::LastResults results_;
};

} // namespace Plent
