// Starting a command line as a tracked process: the reasons a start fails,
// and what the watch reports when the program ends.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <sys/wait.h>

#include "Platform/process/ChildWatch.h"
#include "Platform/process/ProcessLaunch.h"
#include "Platform/process/ProgramSearch.h"
#include "support/QtAppEnvironment.h"

using Platform::ChildExit;
using Platform::ChildWatch;
using Platform::ProcessLaunch;
using Platform::ProgramSearch;

namespace {

class ProcessLaunchTest : public ::testing::Test {
protected:
    std::string file(const std::string& name) const { return dir_.filePath(QString::fromStdString(name)).toStdString(); }
    std::string output() const { return file("run.log"); }
    std::string outputText() const
    {
        std::ifstream in(output(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string script(const std::string& name, const std::string& body, mode_t mode) const
    {
        std::ofstream(file(name)) << "#!/bin/sh\n" << body << '\n';
        ::chmod(file(name).c_str(), mode);
        return file(name);
    }
    // Starts the line and waits for the watch to report its end.
    ChildExit runToEnd(const std::string& line)
    {
        const auto launch = ProcessLaunch::start(line, output());
        EXPECT_TRUE(launch.started()) << launch.reason;
        ChildWatch watch(launch.pid);
        EXPECT_EQ(watch.failure(), "");
        QSignalSpy ended(&watch, &ChildWatch::ended);
        EXPECT_TRUE(ended.wait(10000));
        EXPECT_EQ(::waitpid(launch.pid, nullptr, WNOHANG), -1) << "reaped, no zombie left";
        return ended.value(0).value(0).value<ChildExit>();
    }

    QTemporaryDir dir_;
};

TEST_F(ProcessLaunchTest, SaysInWordsWhyNothingStarted)
{
    const std::string plain = script("plain", "true", 0644);
    EXPECT_EQ(ProcessLaunch::start("", output()).reason, "empty command line");
    EXPECT_EQ(ProcessLaunch::start("   ", output()).reason, "empty command line");
    EXPECT_EQ(ProcessLaunch::start("sh -c 'never closed", output()).reason, "unbalanced quote or trailing backslash");
    EXPECT_EQ(ProcessLaunch::start("/nonexistent/program --flag", output()).reason,
              "program not found: /nonexistent/program");
    EXPECT_EQ(ProcessLaunch::start("pelmor-no-such-program-anywhere", output()).reason,
              "program not found: pelmor-no-such-program-anywhere");
    EXPECT_EQ(ProcessLaunch::start("'" + plain + "'", output()).reason, "not executable / permission denied: " + plain);
    EXPECT_EQ(ProcessLaunch::start(dir_.path().toStdString(), output()).reason,
              "not executable / permission denied: " + dir_.path().toStdString());
    const std::string broken = file("broken");
    std::ofstream(broken) << "\x7f" "ELF garbage";
    ::chmod(broken.c_str(), 0755);
    EXPECT_EQ(ProcessLaunch::start(broken, output()).reason, broken + ": Exec format error");
}

TEST_F(ProcessLaunchTest, SearchesThePathAsExecDoes)
{
    script("tool", "true", 0644);
    const std::string dir = dir_.path().toStdString();
    EXPECT_EQ(ProgramSearch::find("tool", "/nonexistent:" + dir).reason, "not executable / permission denied: tool");
    ::chmod(file("tool").c_str(), 0755);
    EXPECT_EQ(ProgramSearch::find("tool", "/nonexistent:" + dir).path, dir + "/tool");
    EXPECT_EQ(ProgramSearch::find("sh", "/nonexistent:/bin").path, "/bin/sh");
    EXPECT_EQ(ProgramSearch::find("tool", "/bin").reason, "program not found: tool");
}

TEST_F(ProcessLaunchTest, ReportsExitStatusAndKeepsOutputOfBothStreams)
{
    const ChildExit exit = runToEnd("sh -c 'echo out; echo err >&2; exit 3'");
    EXPECT_EQ(exit.status, 3);
    EXPECT_EQ(exit.signal, 0);
    EXPECT_EQ(outputText(), "out\nerr\n");
}

TEST_F(ProcessLaunchTest, ReportsTheSignalThatEndedTheProgram)
{
    const ChildExit exit = runToEnd("sh -c 'kill -TERM $$'");
    EXPECT_EQ(exit.signal, SIGTERM);
}

// The program runs in a session of its own with nothing to read, and no
// shell comes between: the quoted marker name stays one word.
TEST_F(ProcessLaunchTest, RunsInItsOwnSessionWithoutAShell)
{
    const std::string marker = file("marker; touch injected");
    EXPECT_EQ(runToEnd("sh -c 'read -r p c s g r sid x < /proc/$$/stat; echo $sid > \"$1\"; cat' sh '" + marker + "'").status, 0);
    std::ifstream in(marker);
    long sid = 0;
    in >> sid;
    EXPECT_NE(sid, static_cast<long>(::getsid(0)));
    EXPECT_FALSE(std::filesystem::exists(file("injected")));
}

} // namespace
