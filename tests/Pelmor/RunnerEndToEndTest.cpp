// The runner as a user runs it. Its first poll comes five seconds after the
// start, so every case that needs a poll takes that long.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <thread>

#include "Plent/engine/CPlentEngine.h"
#include "RunnerDirectory.h"
#include "support/NamedPipe.h"
#include "support/QtAppEnvironment.h"

using namespace std::chrono_literals;

namespace {

std::string bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void expectEndedWith(QProcess& runner, int status)
{
    ASSERT_TRUE(runner.waitForFinished(15000));
    EXPECT_EQ(runner.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(runner.exitCode(), status);
}

// Every due event starts at the first poll, in list order, the once-per-start
// events first; stopped and future events do not start, and command lines
// that cannot be started are passed over. Ending the session closes the list
// window, which ends the runner.
TEST(Runner, StartsEveryDueCommandLineInOnePollAndEndsWhenItsWindowCloses)
{
    RunnerDirectory d;
    d.deliver();
    auto stopped = dailyEvent("stopped", -1, d.marker("stopped"));
    stopped->setStatus(Plent::Status::Stopped);
    d.writeEvents({
        dailyEvent("due1", -1, d.marker("due1")),
        dailyEvent("missing", -1, "/nonexistent/pelmor-program --flag"),
        dailyEvent("unclosed", -1, "sh -c 'never closed"),
        dailyEvent("empty", -1, ""),
        dailyEvent("due2", -2, d.marker("due2")),
        stopped,
        dailyEvent("future", 2, d.marker("future")),
        dailyEvent("due3", -1, d.marker("due3")),
        oncePerStart("atStart", d.marker("atStart")),
    });
    const std::string savedEvents = bytesOf(d.path("Pelmor.dat"));
    d.start();

    ASSERT_TRUE(d.waitForMarkers({"atStart", "due1", "due2", "due3"}, 20s)) << d.standardError();
    const std::vector<long> pids{d.markerPid("atStart"), d.markerPid("due1"), d.markerPid("due2"), d.markerPid("due3")};
    EXPECT_TRUE(std::is_sorted(pids.begin(), pids.end())) << "started in hand-out order";
    std::vector<fs::file_time_type> written;
    for (const char* m : {"atStart", "due1", "due2", "due3"}) written.push_back(fs::last_write_time(d.path("markers") / m));
    const auto [first, last] = std::minmax_element(written.begin(), written.end());
    EXPECT_LT(*last - *first, 4s) << "all in one poll, not one per five-second poll";

    d.runner().terminate();
    expectEndedWith(d.runner(), 0);
    EXPECT_EQ(d.markerPid("stopped"), 0);
    EXPECT_EQ(d.markerPid("future"), 0);
    EXPECT_EQ(bytesOf(d.path("Pelmor.dat")), savedEvents) << "the runner saves nothing";
}

bool waitForFile(const fs::path& file, std::chrono::seconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!fs::exists(file)) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

// Without an event file beside it the runner is a system installation: the
// user's first start makes the user's directory with an empty event file.
TEST(Runner, AFirstStartMakesTheUsersDirectoryWithAnEmptyEventFile)
{
    RunnerDirectory d;
    d.deliver();
    d.start();
    ASSERT_TRUE(waitForFile(d.home() / "Pelmor.dat", 15s)) << d.standardError();
    d.runner().terminate();
    expectEndedWith(d.runner(), 0);
    EXPECT_EQ(fs::file_size(d.home() / "Pelmor.dat"), 33u);
    // Made with the event file alone; the running runner adds its lock
    // (and the folder of its socket, without a private runtime directory).
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(d.home())) names.insert(entry.path().filename().string());
    names.erase("Pelmor.run");
    EXPECT_EQ(names, (std::set<std::string>{"Pelmor.dat", "Pelmor.lock"}));
    EXPECT_FALSE(fs::exists(d.path("Pelmor.dat")));
}

TEST(Runner, AUserDirectoryThatCannotBeMadeEndsTheStartWithTheReport)
{
    RunnerDirectory d;
    d.deliver();
    std::ofstream(d.dir() / "occupied") << "a file, not a directory";
    d.setHome(d.dir() / "occupied" / "pelmor");
    d.start();
    expectEndedWith(d.runner(), 1);
    const std::string written = d.standardError();
    const size_t report =
        written.find("Run-time error 76 (UserDirectory.prepare): Path not found: " + d.home().string());
    EXPECT_NE(report, std::string::npos) << written;
    EXPECT_EQ(written.find("Run-time error", report + 1), std::string::npos) << "reported once: " << written;
}

// An event file that cannot be read whole ends the start as a missing one
// does; a named pipe in its place does so at once instead of holding the
// runner for ever.
TEST(Runner, AnEventFileCutShortOrNotRegularEndsTheStartWithTheReport)
{
    RunnerDirectory cut;
    cut.deliver();
    cut.writeEvents({oncePerStart("early", cut.marker("early"))});
    fs::resize_file(cut.path("Pelmor.dat"), fs::file_size(cut.path("Pelmor.dat")) - 1);
    cut.start();
    expectEndedWith(cut.runner(), 1);
    EXPECT_NE(cut.standardError().find("Run-time error 62 (CLSO::ReadHEADER): Input past end of file: '"),
              std::string::npos)
        << cut.standardError();
    EXPECT_EQ(cut.markerPid("early"), 0) << "nothing of the file starts";

    RunnerDirectory piped;
    piped.deliver();
    const NamedPipe pipe(piped.path("Pelmor.dat").string());
    piped.start();
    expectEndedWith(piped.runner(), 1);
    EXPECT_NE(piped.standardError().find("Run-time error 75 (CLSO::ReadHEADER)"), std::string::npos)
        << piped.standardError();
}

// The installed tree works on its own; an event file already there is kept.
TEST(Runner, TheInstalledRunnerStartsFromItsOwnDirectory)
{
    RunnerDirectory d(RunnerDirectory::Delivery::Installed);
    d.writeEvents({oncePerStart("atStart", d.marker("atStart"))});
    const std::string userEvents = bytesOf(d.path("Pelmor.dat"));
    d.deliver();
    EXPECT_EQ(bytesOf(d.path("Pelmor.dat")), userEvents);
    const std::string entry = bytesOf(d.prefix() / "share/applications/pelmor.desktop");
    EXPECT_NE(entry.find("Exec=\"" + d.path("Pelmor").string() + "\""), std::string::npos) << entry;
    EXPECT_TRUE(fs::exists(d.prefix() / "share/pelmor/autostart/pelmor.desktop"));

    d.start();
    ASSERT_TRUE(d.waitForMarkers({"atStart"}, 20s)) << d.standardError();
    d.runner().terminate();
    expectEndedWith(d.runner(), 0);
}

// Installed without the event file beside it, as the package installs it,
// the runner and PelmorEdit share the user's event file.
TEST(Runner, ASystemInstallationRunsTheUsersEventFile)
{
    RunnerDirectory d(RunnerDirectory::Delivery::Installed);
    d.deliver();
    fs::remove(d.path("Pelmor.dat"));
    fs::create_directories(d.home());
    d.writeEvents({oncePerStart("atStart", d.marker("atStart"))}, d.home() / "Pelmor.dat");
    d.start();
    ASSERT_TRUE(d.waitForMarkers({"atStart"}, 20s)) << d.standardError();
    d.runner().terminate();
    expectEndedWith(d.runner(), 0);
    EXPECT_FALSE(fs::exists(d.path("Pelmor.dat")));
}

TEST(Runner, AnswersHelpAndVersionWithoutADisplay)
{
    EXPECT_EQ(RunnerDirectory::answerOf("Pelmor", "--version"), "pelmor " PELMOR_VERSION "\n");
    EXPECT_EQ(RunnerDirectory::answerOf("Pelmor", "--help").rfind("Usage: pelmor [--background | --status | --help | --version]\n", 0), 0u);
    EXPECT_EQ(RunnerDirectory::answerOf("PelmorEdit", "--version"), "pelmor-edit " PELMOR_VERSION "\n");
    EXPECT_NE(RunnerDirectory::answerOf("PelmorEdit", "--help").find("PELMOR_HOME"), std::string::npos);
}

TEST(Runner, AFreshInstallationHasAnEmptyValidEventFile)
{
    RunnerDirectory d(RunnerDirectory::Delivery::Installed);
    d.deliver();
    Plent::CPlentEngine engine;
    engine.LoadObjects(d.path("Pelmor.dat").string());
    EXPECT_EQ(engine.Plents().Count(), 0);
    EXPECT_EQ(fs::file_size(d.path("Pelmor.dat")), 33u);
}

} // namespace
