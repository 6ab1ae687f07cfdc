#include "RunnerTray.h"

#include <QPainter>
#include <QPixmap>

#include "RunnerStatus.h"
#include "RunnerTexts.h"
#include "TrayTexts.h"
#include "Platform/dates/Clock.h"

RunnerTray::RunnerTray(const RunnerStatus& status, const RunnerTexts& texts, QObject* parent)
    : QObject(parent), status_(status), texts_(texts)
{
    QAction* display = menu_.addAction(texts.text(RunnerTexts::DisplayAll));
    display->setObjectName("DisplayAll");
    connect(display, &QAction::triggered, this, &RunnerTray::displayRequested);
    QAction* exit = menu_.addAction(texts.text(RunnerTexts::ExitRunner));
    exit->setObjectName("Exit");
    connect(exit, &QAction::triggered, this, &RunnerTray::exitRequested);
    icon_.setContextMenu(&menu_);
    connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) emit displayRequested();
    });
    connect(&status, &RunnerStatus::changed, this, &RunnerTray::update);
    update();
    icon_.show();
}

RunnerTray::Look RunnerTray::lookOf(const RunnerStatus& status)
{
    if (status.failureUnseen()) return Look::Failed;
    return status.running().isEmpty() ? Look::Waiting : Look::Running;
}

void RunnerTray::update()
{
    icon_.setToolTip(TrayTexts::tooltip(status_, texts_, Platform::Clock::now()));
    icon_.setIcon(drawn(lookOf(status_)));
}

// A clock face: grey while waiting, green while a program runs, red with
// a mark after a failure.
QIcon RunnerTray::drawn(Look look)
{
    constexpr int Size = 64;
    static const QColor Colours[] = {QColor(0x4a, 0x5a, 0x6a), QColor(0x2e, 0x8b, 0x3e), QColor(0xc6, 0x28, 0x28)};
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4));
    painter.setBrush(Colours[static_cast<int>(look)]);
    painter.drawEllipse(4, 4, Size - 8, Size - 8);
    painter.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
    if (look == Look::Failed) {
        painter.drawLine(Size / 2, 16, Size / 2, 36);
        painter.drawPoint(Size / 2, 47);
    } else {
        painter.drawLine(Size / 2, Size / 2, Size / 2, 16);
        painter.drawLine(Size / 2, Size / 2, look == Look::Running ? 46 : 42, Size / 2 + (look == Look::Running ? 10 : 0));
    }
    return QIcon(pixmap);
}
