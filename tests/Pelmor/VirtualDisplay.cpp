#include "VirtualDisplay.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace {

constexpr int FirstDisplay = 100;
constexpr int Displays = 100;

bool displayInUse(int number)
{
    return QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number))
        || QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number));
}

template <class Ready>
bool waitUntil(Ready ready, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!ready()) {
        if (clock.elapsed() > milliseconds) return false;
        QThread::msleep(50);
    }
    return true;
}

} // namespace

VirtualDisplay::VirtualDisplay()
{
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) {
        missing_ = "Xvfb is not installed";
        return;
    }
    int number = FirstDisplay + ::getpid() % Displays;
    while (displayInUse(number)) ++number;
    display_ = QStringLiteral(":%1").arg(number);
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start(xvfb, {display_, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
    if (!server_.waitForStarted(10000) || !waitUntil([&] { return QFile::exists(socket); }, 10000))
        missing_ = "Xvfb did not start on " + display_;
}

VirtualDisplay::~VirtualDisplay()
{
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    if (!server_.waitForFinished(5000)) server_.kill();
}

QProcessEnvironment VirtualDisplay::environment(QProcessEnvironment base) const
{
    base.insert("QT_QPA_PLATFORM", "xcb");
    base.insert("DISPLAY", display_);
    return base;
}

bool VirtualDisplay::waitForWindow(const QString& title, int milliseconds) const
{
    return waitUntil(
        [&] {
            QProcess tree;
            tree.start("xwininfo", {"-display", display_, "-root", "-tree"});
            tree.waitForFinished(5000);
            return tree.readAllStandardOutput().contains(("\"" + title + "\"").toUtf8());
        },
        milliseconds);
}

bool VirtualDisplay::run(const QString& program, const QStringList& arguments) const
{
    QProcess client;
    client.setProcessEnvironment(environment(QProcessEnvironment::systemEnvironment()));
    client.start(program, arguments);
    return client.waitForFinished(10000) && client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
}
