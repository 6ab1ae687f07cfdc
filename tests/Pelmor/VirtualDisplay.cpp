#include "VirtualDisplay.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>


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

// The first window below root, depth first, whose name is title.
Window windowNamed(Display* x, Window root, const QByteArray& title)
{
    Window parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(x, root, &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(x, children[i], &name) && name) {
            if (title == name) found = children[i];
            XFree(name);
        }
        if (!found) found = windowNamed(x, children[i], title);
    }
    if (children) XFree(children);
    return found;
}

} // namespace

bool VirtualDisplay::closeWindow(const QString& title) const
{
    Display* x = XOpenDisplay(display_.toLatin1().constData());
    if (!x) return false;
    const Window window = windowNamed(x, DefaultRootWindow(x), title.toUtf8());
    if (window) {
        XEvent close{};
        close.xclient.type = ClientMessage;
        close.xclient.window = window;
        close.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
        close.xclient.format = 32;
        close.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
        close.xclient.data.l[1] = CurrentTime;
        XSendEvent(x, window, False, NoEventMask, &close);
        XFlush(x);
    }
    XCloseDisplay(x);
    return window != 0;
}

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

std::string VirtualDisplay::whyNoTyping() const
{
    if (!available()) return missing_.toStdString() + ": install xvfb to run this test";
    if (QStandardPaths::findExecutable("xdotool").isEmpty()) return "install xdotool to run this test";
    return {};
}
