#pragma once
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

class RunnerStatus;
class RunnerTexts;

// The runner's icon in the desktop's tray while it runs in the background.
// Its tooltip tells what comes next (see TrayTexts); its look shows whether
// a program of an event is running and whether a failure waits to be
// looked at. A click, like "Display all events" in its menu, asks for the
// list window; "Exit" asks the runner to end.
class RunnerTray : public QObject {
    Q_OBJECT
public:
    enum class Look { Waiting, Running, Failed };

    RunnerTray(const RunnerStatus& status, const RunnerTexts& texts, QObject* parent = nullptr);

    static Look lookOf(const RunnerStatus& status);
    const QSystemTrayIcon& icon() const { return icon_; }
    const QMenu& menu() const { return menu_; }

signals:
    void displayRequested();
    void exitRequested();

private:
    void update();
    static QIcon drawn(Look look);

    const RunnerStatus& status_;
    const RunnerTexts& texts_;
    QMenu menu_;
    QSystemTrayIcon icon_;
};
