#pragma once
#include <string>
// An X server of the test's own (Xvfb) on a free display, for what depends
// on the window system: on the offscreen platform no message box is modal.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

class VirtualDisplay {
public:
    // Starts Xvfb when it is installed; see available().
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Why there is no display ("" when there is one).
    const QString& missing() const { return missing_; }
    bool available() const { return missing_.isEmpty(); }
    // Why a test that types into the display cannot run: no Xvfb or no
    // xdotool; empty when it can.
    std::string whyNoTyping() const;

    // A program's environment with the X platform on this display.
    QProcessEnvironment environment(QProcessEnvironment base) const;
    // Waits until a top-level window with this title is on the display.
    bool waitForWindow(const QString& title, int milliseconds) const;
    // Asks the window with this title to close, as its close box does
    // (WM_DELETE_WINDOW); false when there is none.
    bool closeWindow(const QString& title) const;
    // Runs an X client (xdotool, to move the mouse and type) on the display;
    // false when it is missing or fails.
    bool run(const QString& program, const QStringList& arguments) const;

private:
    QString display_;
    QString missing_;
    QProcess server_;
};
