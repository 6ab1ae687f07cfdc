// Who may run and read a runner's directory, with the real runner: one
// runner per directory whatever happens to its lock file, files and folders
// of the user's alone whatever the umask, and a socket that only the user
// reaches and that strangers' words do not stir.
#include <gtest/gtest.h>

#include <QLocalSocket>
#include <QStandardPaths>

#include <csignal>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "Platform/files/FileLock.h"
#include "RunnerDirectory.h"
#include "support/FileContents.h"

using namespace std::chrono_literals;

namespace {

void startAgain(QProcess& second, const RunnerDirectory& d)
{
    second.setProcessEnvironment(RunnerDirectory::runnerEnvironment());
    second.start(QString::fromStdString(d.path("Pelmor").string()), {});
}

unsigned modeOf(const fs::path& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

void stop(RunnerDirectory& d)
{
    d.runner().terminate();
    ASSERT_TRUE(d.runner().waitForFinished(15000));
    EXPECT_EQ(d.runner().exitCode(), 0) << d.standardError();
}

} // namespace

// A directory of the user's alone is locked itself; one open to others
// through its lock file, which the runner takes again as soon as it is
// removed or replaced. Either way a second start finds the runner.
TEST(RunnerGuard, ARemovedOrReplacedLockFileLetsNoSecondRunnerRun)
{
    const struct {
        fs::perms directory;
        bool replace;
    } cases[] = {{fs::perms(0755), false}, {fs::perms(0755), true}, {fs::perms(0700), false}};
    for (const auto& c : cases) {
        RunnerDirectory d;
        d.deliver();
        fs::permissions(d.dir(), c.directory);
        d.writeEvents({oncePerStart("atStart", d.countingMarker("atStart"))});
        d.start();
        ASSERT_TRUE(d.waitForCount("atStart", 1, 20s)) << d.standardError();
        const fs::path lock = d.path("Pelmor.lock");
        if (c.replace) {
            std::ofstream(d.path("other.lock")) << "1\n";
            fs::rename(d.path("other.lock"), lock);
        } else {
            fs::remove(lock);
        }
        if (c.directory == fs::perms(0755)) {
            ASSERT_TRUE(waitUntil([&] { return readFile(lock) == std::to_string(d.runner().processId()) + "\n"; }, 5s));
        }
        QProcess second;
        startAgain(second, d);
        ASSERT_TRUE(second.waitForFinished(15000)) << "the second start ran";
        EXPECT_EQ(second.exitCode(), 0);
        const std::string said = second.readAllStandardError().toStdString();
        EXPECT_NE(said.find("is already running (process " + std::to_string(d.runner().processId())), std::string::npos)
            << said;
        EXPECT_EQ(d.markerCount("atStart"), 1);
        stop(d);
    }
}

// A runner that could not take its lock file back in time (it was stopped)
// finds another runner polling and ends before its next poll, with status 1.
TEST(RunnerGuard, ARunnerThatLostItsDirectoryToAnotherStops)
{
    RunnerDirectory d;
    d.deliver();
    d.writeEvents({oncePerStart("atStart", d.countingMarker("atStart"))});
    d.start();
    ASSERT_TRUE(d.waitForCount("atStart", 1, 20s)) << d.standardError();
    ::kill(static_cast<pid_t>(d.runner().processId()), SIGSTOP);
    fs::remove(d.path("Pelmor.lock"));
    QProcess second;
    startAgain(second, d);
    ASSERT_TRUE(d.waitForCount("atStart", 2, 20s)) << "the second runner did not run";
    ::kill(static_cast<pid_t>(d.runner().processId()), SIGCONT);
    ASSERT_TRUE(d.runner().waitForFinished(10000)) << "the first runner went on";
    EXPECT_EQ(d.runner().exitCode(), 1);
    EXPECT_NE(d.standardError().find("another runner (process " + std::to_string(second.processId()) +
                                     ") has taken over"),
              std::string::npos)
        << d.standardError();
    second.terminate();
    EXPECT_TRUE(second.waitForFinished(15000));
}

// Another user who holds the lock file (one an older version left readable)
// is named as such, and the start ends with status 1; the file is narrowed
// to the user.
TEST(RunnerGuard, ALockOfAnotherUserIsNamedAndEndsTheStart)
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable("setpriv").isEmpty() ||
        QStandardPaths::findExecutable("flock").isEmpty())
        GTEST_SKIP() << "holding the lock as another user takes root, setpriv and flock";
    RunnerDirectory d;
    d.deliver();
    d.writeEvents({});
    fs::permissions(d.dir().parent_path(), fs::perms(0711));
    const fs::path lock = d.path("Pelmor.lock");
    std::ofstream(lock) << "";
    fs::permissions(lock, fs::perms(0644));
    QProcess other;
    other.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", "flock", QString::fromStdString(lock.string()),
                            "sleep", "30"});
    ASSERT_TRUE(waitUntil([&] { return Platform::FileLock::holderOf(lock.string()).pid != 0; }, 5s));
    d.start();
    ASSERT_TRUE(d.runner().waitForFinished(15000));
    EXPECT_EQ(d.runner().exitCode(), 1);
    EXPECT_NE(d.standardError().find("is held by process " + std::to_string(other.processId()) + " of another user"),
              std::string::npos)
        << d.standardError();
    EXPECT_EQ(d.standardError().find("already running"), std::string::npos);
    EXPECT_EQ(modeOf(lock), 0600u);
    other.kill();
    other.waitForFinished(5000);
}

// With the umask wide open, what the runner makes is the user's alone. Its
// socket is in the runtime directory only when that is private, else in a
// private folder of its own, and answers stray words without a stir.
TEST(RunnerGuard, FilesFoldersAndSocketAreTheUsersAlone)
{
    for (const unsigned runtimeMode : {0755u, 0700u}) {
        RunnerDirectory d;
        d.deliver();
        d.writeEvents({dailyEvent("daily", -1, d.countingMarker("daily"))});
        const fs::path runtime = d.dir().parent_path() / "runtime";
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms(runtimeMode));
        QProcessEnvironment environment = d.environment();
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
        const mode_t umask = ::umask(0);
        d.start(environment);
        ::umask(umask);
        ASSERT_TRUE(d.waitForCount("daily", 1, 20s)) << d.standardError();
        ASSERT_TRUE(waitUntil([&] { return fs::exists(d.path("Pelmor.state")); }, 10s)) << d.standardError();
        const fs::path sockets = runtimeMode == 0700u ? runtime : d.path("Pelmor.run");
        EXPECT_EQ(fs::exists(d.path("Pelmor.run")), runtimeMode != 0700u);
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(sockets)) found.push_back(entry.path());
        ASSERT_EQ(found.size(), 1u);
        const std::string before = d.standardError();
        for (int i = 0; i < 100; ++i) {
            QLocalSocket stray;
            stray.connectToServer(QString::fromStdString(found[0].string()));
            ASSERT_TRUE(stray.waitForConnected(2000));
            stray.write("raise\n");
            ASSERT_TRUE(stray.waitForReadyRead(2000));
            EXPECT_EQ(stray.readAll(), "unknown\n");
        }
        EXPECT_EQ(d.standardError(), before) << "no line per connection";
        stop(d);
        for (const char* file : {"Pelmor.lock", "Pelmor.history", "Pelmor.state"})
            EXPECT_EQ(modeOf(d.path(file)), 0600u) << file;
        EXPECT_EQ(modeOf(d.path("Pelmor.output")), 0700u);
        EXPECT_EQ(modeOf(sockets), 0700u);
    }
}
