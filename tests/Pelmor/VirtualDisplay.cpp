#include "VirtualDisplay.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>


namespace {

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
    // The server picks a free display itself and names it on standard
    // output once it listens: two tests choosing at once cannot both take
    // one, and neither ends up on the other's display.
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start(xvfb, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    const auto named = [&] {
        server_.waitForReadyRead(100);
        return server_.canReadLine();
    };
    if (!server_.waitForStarted(10000) || !waitUntil(named, 10000)) {
        missing_ = "Xvfb did not start";
        return;
    }
    display_ = ":" + QString::fromLatin1(server_.readLine().trimmed());
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
