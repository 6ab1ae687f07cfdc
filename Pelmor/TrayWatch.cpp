#include "TrayWatch.h"

#include <QSystemTrayIcon>

#include "RunnerTray.h"

namespace {
constexpr int LookAgain = 5000;
}

TrayWatch::TrayWatch(const RunnerStatus& status, Platform::ModuleHandle hMsg, QObject* parent)
    : QObject(parent), status_(status), texts_(hMsg)
{
    again_.setInterval(LookAgain);
    connect(&again_, &QTimer::timeout, this, &TrayWatch::offer);
    again_.start();
    offer();
}

TrayWatch::~TrayWatch() = default;

void TrayWatch::offer()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    again_.stop();
    tray_ = std::make_unique<RunnerTray>(status_, texts_);
    connect(tray_.get(), &RunnerTray::displayRequested, this, &TrayWatch::displayRequested);
    connect(tray_.get(), &RunnerTray::exitRequested, this, &TrayWatch::exitRequested);
}
