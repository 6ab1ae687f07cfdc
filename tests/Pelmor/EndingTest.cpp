// The system asks the programs to end (SIGTERM, SIGINT, SIGHUP when the
// terminal closes, the end of the session): whatever is open, they end
// within a second with status 0. Where a message box is modal depends on the
// window system, so those cases run on an X server of their own.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <csignal>
#include <sstream>
#include <string>

#include "RunnerDirectory.h"
#include "VirtualDisplay.h"

namespace {

constexpr int WithinOneSecond = 1000;
constexpr int StartLimit = 20000;

std::string fileText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

// The line "SigCgt:" of /proc/<pid>/status: the signals with a handler.
unsigned long long caughtSignals(qint64 pid)
{
    std::istringstream status(fileText(QStringLiteral("/proc/%1/status").arg(pid)));
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0) return std::stoull(line.substr(7), nullptr, 16);
    }
    return 0;
}

bool handlesTheEndingSignals(qint64 pid)
{
    const unsigned long long caught = caughtSignals(pid);
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP})
        if (!(caught & (1ULL << (signalNumber - 1)))) return false;
    return true;
}

// Up and in its event loop: the handlers are in place and the engine
// library is loaded, which happens just before the first window opens.
bool waitUntilRunning(const QProcess& program)
{
    QElapsedTimer clock;
    clock.start();
    const QString maps = QStringLiteral("/proc/%1/maps").arg(program.processId());
    while (!handlesTheEndingSignals(program.processId()) || fileText(maps).find("libKalvor.so") == std::string::npos) {
        if (program.state() != QProcess::Running || clock.elapsed() > StartLimit) return false;
        QThread::msleep(50);
    }
    QThread::msleep(500);
    return true;
}

// Sends the signal and tells how long the program took to end.
qint64 endWith(QProcess& program, int signalNumber)
{
    QElapsedTimer clock;
    clock.start();
    ::kill(static_cast<pid_t>(program.processId()), signalNumber);
    program.waitForFinished(10000);
    return clock.elapsed();
}

void expectEndedAtOnceWithZero(QProcess& program, qint64 took, const std::string& what)
{
    EXPECT_EQ(program.state(), QProcess::NotRunning) << what;
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << what << ": killed by the signal";
    EXPECT_EQ(program.exitCode(), 0) << what;
    EXPECT_LT(took, WithinOneSecond) << what;
}

const std::pair<int, const char*> EndingSignals[] = {{SIGTERM, "SIGTERM"}, {SIGINT, "SIGINT"}, {SIGHUP, "SIGHUP"}};

void startPelmorEdit(QProcess& edit, const RunnerDirectory& d, const QProcessEnvironment& environment)
{
    edit.setProcessEnvironment(environment);
    edit.setStandardOutputFile(QProcess::nullDevice());
    edit.start(QString::fromStdString(d.path("PelmorEdit").string()), {QString::fromStdString(d.path("Pelmor.dat").string())});
    edit.waitForStarted(10000);
}

} // namespace

TEST(Ending, EverySignalEndsTheRunnerAtOnceWithStatusZero)
{
    for (const auto& [signalNumber, name] : EndingSignals) {
        RunnerDirectory d;
        d.deliver();
        d.writeEvents({});
        d.start();
        ASSERT_TRUE(waitUntilRunning(d.runner())) << d.standardError();
        const qint64 took = endWith(d.runner(), signalNumber);
        expectEndedAtOnceWithZero(d.runner(), took, name);
    }
}

TEST(Ending, EverySignalEndsPelmorEditAtOnceWithStatusZero)
{
    for (const auto& [signalNumber, name] : EndingSignals) {
        RunnerDirectory d;
        d.deliver();
        d.writeEvents({dailyEvent("daily", 1, "true")});
        QProcess edit;
        startPelmorEdit(edit, d, RunnerDirectory::runnerEnvironment());
        ASSERT_TRUE(waitUntilRunning(edit)) << edit.readAllStandardError().toStdString();
        const qint64 took = endWith(edit, signalNumber);
        expectEndedAtOnceWithZero(edit, took, name);
    }
}

// Without the language library every text lookup announces itself in a
// modal box. The boxes after the signal do not open; their texts go to
// standard error instead.
class EndingAmongMessageBoxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!display.available()) GTEST_SKIP() << display.missing().toStdString() << ": install xvfb to run this test";
        d.deliver();
        QFile::remove(QString::fromStdString(d.path("Pelmor.dll").string()));
        d.writeEvents({dailyEvent("daily", 1, "true")});
    }
    QString standardErrorFile() const { return QString::fromStdString(d.path("stderr.txt").string()); }
    void endAmongBoxes(QProcess& program)
    {
        ASSERT_TRUE(program.waitForStarted(10000));
        ASSERT_TRUE(display.waitForWindow("Kalvor", StartLimit)) << "no message box came up";
        const qint64 took = endWith(program, SIGTERM);
        expectEndedAtOnceWithZero(program, took, "SIGTERM");
        const std::string written = fileText(standardErrorFile());
        EXPECT_NE(written.find("Kalvor: Message "), std::string::npos) << written;
    }

    VirtualDisplay display;
    RunnerDirectory d;
};

TEST_F(EndingAmongMessageBoxes, TheRunnerEnds)
{
    QProcess runner;
    runner.setProcessEnvironment(display.environment(RunnerDirectory::runnerEnvironment()));
    runner.setStandardOutputFile(QProcess::nullDevice());
    runner.setStandardErrorFile(standardErrorFile());
    runner.start(QString::fromStdString(d.path("Pelmor").string()), {});
    endAmongBoxes(runner);
}

// The user has opened the editor (Insert in the list window) when the
// signal comes: it closes as by Cancel, and the runner ends at once.
TEST(EndingWithTheEditorOpen, TheRunnerEnds)
{
    VirtualDisplay display;
    if (const std::string why = display.whyNoTyping(); !why.empty()) GTEST_SKIP() << why;
    RunnerDirectory d;
    d.deliver();
    d.writeEvents({dailyEvent("daily", 1, "true")});
    QProcess runner;
    runner.setProcessEnvironment(display.environment(RunnerDirectory::runnerEnvironment()));
    runner.setStandardOutputFile(QProcess::nullDevice());
    runner.setStandardErrorFile(QProcess::nullDevice());
    runner.start(QString::fromStdString(d.path("Pelmor").string()), {});
    ASSERT_TRUE(display.waitForWindow("Display all events - Pelmor runner", StartLimit));
    ASSERT_TRUE(display.run("xdotool", {"mousemove", "300", "150", "click", "1", "sleep", "0.5", "key", "Insert"}));
    ASSERT_TRUE(display.waitForWindow("add one event", StartLimit)) << "the editor did not open";
    const qint64 took = endWith(runner, SIGTERM);
    expectEndedAtOnceWithZero(runner, took, "SIGTERM with the editor open");
}

TEST_F(EndingAmongMessageBoxes, PelmorEditEnds)
{
    QProcess edit;
    edit.setStandardErrorFile(standardErrorFile());
    startPelmorEdit(edit, d, display.environment(RunnerDirectory::runnerEnvironment()));
    endAmongBoxes(edit);
}
