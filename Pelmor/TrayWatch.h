#pragma once
#include <QObject>
#include <QTimer>

#include <memory>

#include "RunnerTexts.h"

class RunnerStatus;
class RunnerTray;

// Puts the runner's icon into the desktop's tray, as soon as the desktop
// has one: at a login the tray may come up after the runner. Without a
// tray the runner goes on without an icon.
class TrayWatch : public QObject {
    Q_OBJECT
public:
    TrayWatch(const RunnerStatus& status, Platform::ModuleHandle hMsg, QObject* parent = nullptr);
    ~TrayWatch() override;

signals:
    void displayRequested();
    void exitRequested();

private:
    void offer();

    const RunnerStatus& status_;
    RunnerTexts texts_;
    QTimer again_;
    std::unique_ptr<RunnerTray> tray_;
};
