// The runner in the background: it polls with no window, a second start
// opens its list window, closing that window leaves it running and Exit
// ends it; --status tells whether it runs. The unit that runs it passes
// systemd's own check.
#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "RunnerDirectory.h"
#include "VirtualDisplay.h"

using namespace std::chrono_literals;

namespace {

constexpr int StartLimit = 20000;
const QString ListWindow = "Display all events - Pelmor runner";

bool endsWithin(QProcess& program, int milliseconds)
{
    return program.waitForFinished(milliseconds) && program.exitStatus() == QProcess::NormalExit;
}

} // namespace

TEST(Background, PollsWithNoWindowAndGoesOnUntilExit)
{
    VirtualDisplay display;
    if (const std::string why = display.whyNoTyping(); !why.empty()) GTEST_SKIP() << why;
    RunnerDirectory d;
    d.deliver();
    d.writeEvents({oncePerStart("atStart", d.marker("atStart"))});
    const QProcessEnvironment environment = display.environment(d.environment());
    EXPECT_EQ(d.runToEnd({"--status"}, environment).first, 3);

    d.start(environment, {"--background"});
    ASSERT_TRUE(d.waitForMarkers({"atStart"}, 20s)) << d.standardError();
    EXPECT_FALSE(display.waitForWindow(ListWindow, 2000)) << "a window opened";
    const auto [status, said] = d.runToEnd({"--status"}, environment);
    EXPECT_EQ(status, 0);
    EXPECT_NE(said.find("(process " + std::to_string(d.runner().processId()) + ")\nrunning since "), std::string::npos)
        << said;
    EXPECT_NE(said.find("1 events\nnext start: none\n"), std::string::npos) << said;

    EXPECT_EQ(d.runToEnd({}, environment).first, 0) << "the second start";
    ASSERT_TRUE(display.waitForWindow(ListWindow, StartLimit)) << d.standardError();
    ASSERT_TRUE(display.closeWindow(ListWindow));
    EXPECT_FALSE(endsWithin(d.runner(), 7000)) << "closing the window ended the runner: " << d.standardError();

    EXPECT_EQ(d.runToEnd({}, environment).first, 0) << "the third start";
    QThread::msleep(1000);
    ASSERT_TRUE(display.run("xdotool", {"mousemove", "300", "150", "click", "1", "sleep", "0.5", "key", "alt+f",
                                        "sleep", "0.5", "key", "Return"}));
    ASSERT_TRUE(endsWithin(d.runner(), 10000)) << "Exit did not end the runner: " << d.standardError();
    EXPECT_EQ(d.runner().exitCode(), 0);
    EXPECT_EQ(d.runToEnd({"--status"}, environment).first, 3);
}

// No display at all: the runner falls back to running without windows, and
// says so when a second start asks for its list window.
TEST(Background, SchedulesWithoutADisplay)
{
    RunnerDirectory d;
    d.deliver();
    d.writeEvents({oncePerStart("atStart", d.marker("atStart"))});
    QProcessEnvironment environment = d.environment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
    d.start(environment, {"--background"});
    ASSERT_TRUE(d.waitForMarkers({"atStart"}, 20s)) << d.standardError();
    EXPECT_EQ(d.runToEnd({}, environment).first, 0) << "the second start";
    EXPECT_TRUE(waitUntil([&] { return d.standardError().find("there is no display") != std::string::npos; }, 10s));
    d.runner().terminate();
    ASSERT_TRUE(endsWithin(d.runner(), 10000));
    EXPECT_EQ(d.runner().exitCode(), 0);
}

TEST(Background, TheInstalledUnitAndAutostartEntryRunItInTheBackground)
{
    RunnerDirectory d(RunnerDirectory::Delivery::Installed);
    d.deliver();
    const fs::path unit = d.prefix() / "lib/systemd/user/pelmor.service";
    ASSERT_TRUE(fs::exists(unit));
    QFile autostart(QString::fromStdString((d.prefix() / "share/pelmor/autostart/pelmor.desktop").string()));
    ASSERT_TRUE(autostart.open(QIODevice::ReadOnly));
    EXPECT_TRUE(autostart.readAll().contains("Exec=\"" + QByteArray::fromStdString(d.path("Pelmor").string()) +
                                             "\" --background\n"));
    const QString analyze = QStandardPaths::findExecutable("systemd-analyze");
    if (analyze.isEmpty()) GTEST_SKIP() << "systemd-analyze is not installed";
    // The user manager's checks want a runtime directory; the manual page
    // is not installed here.
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    QProcess verify;
    verify.setProcessEnvironment(environment);
    verify.setProcessChannelMode(QProcess::MergedChannels);
    verify.start(analyze, {"verify", "--user", "--man=no", QString::fromStdString(unit.string())});
    ASSERT_TRUE(verify.waitForFinished(30000));
    const QByteArray said = verify.readAll();
    EXPECT_EQ(verify.exitCode(), 0) << said.toStdString();
    EXPECT_FALSE(said.contains("pelmor.service")) << said.toStdString();
}
