#include "RunnerDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <thread>

#include "Plent/engine/CPlentEngine.h"
#include "Platform/dates/Clock.h"

namespace {

const char* const DeliveredFiles[] = {"Pelmor",         "PelmorEdit",        "libKalvor.so",         "libPlentEngine.so",
                                      "libPlatform.so", "libPlatformCore.so", "libPlatformLocale.so", "Pelmor.dll",
                                      "Pelmor.de.dll",  "pelmor-regsvr"};

} // namespace

// The runner's own registration beside it counts, not the test's.
QProcessEnvironment RunnerDirectory::runnerEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("PELMOR_AUTOMATION_REGISTRY");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    // Notifications of a test never reach the user's desktop.
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/pelmor-test-bus");
    return environment;
}

QProcessEnvironment RunnerDirectory::environment() const
{
    QProcessEnvironment environment = runnerEnvironment();
    environment.insert("PELMOR_HOME", QString::fromStdString(home_.string()));
    return environment;
}

std::string RunnerDirectory::answerOf(const std::string& program, const QString& option)
{
    QProcess process;
    QProcessEnvironment environment = runnerEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("DISPLAY");
    process.setProcessEnvironment(environment);
    process.start(QString::fromStdString((fs::path(PELMOR_BUILD_DIR) / program).string()), {option});
    EXPECT_TRUE(process.waitForFinished(15000));
    EXPECT_EQ(process.exitCode(), 0) << program << " " << option.toStdString();
    return process.readAllStandardOutput().toStdString();
}

RunnerDirectory::RunnerDirectory(Delivery delivery)
    : delivery_(delivery)
    , prefix_(fs::path(temp_.path().toStdString()) / "prefix")
    , dir_(delivery == Delivery::Installed ? prefix_ / PELMOR_INSTALL_DIR : fs::path(temp_.path().toStdString()) / "bin")
    , home_(fs::path(temp_.path().toStdString()) / "home")
{
    fs::create_directories(dir_);
    runner_.setStandardErrorFile(QString::fromStdString((fs::path(temp_.path().toStdString()) / "stderr.txt").string()));
    runner_.setStandardOutputFile(QProcess::nullDevice());
}

RunnerDirectory::~RunnerDirectory()
{
    if (runner_.state() == QProcess::NotRunning) return;
    runner_.kill();
    runner_.waitForFinished(5000);
}

void RunnerDirectory::run(const QString& program, const QStringList& arguments,
                          const QProcessEnvironment& environment) const
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ASSERT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    ASSERT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
}

// The executable is copied, not linked: the runner finds its files beside
// the real path of its executable.
void RunnerDirectory::copyBuild()
{
    for (const char* file : DeliveredFiles) fs::copy_file(fs::path(PELMOR_BUILD_DIR) / file, dir_ / file);
    run(QString::fromStdString(path("pelmor-regsvr").string()), {QString::fromStdString(path("libKalvor.so").string())},
        runnerEnvironment());
}

void RunnerDirectory::install()
{
    run(PELMOR_CMAKE_COMMAND, {"--install", PELMOR_BINARY_TREE, "--prefix", QString::fromStdString(prefix_.string())},
        runnerEnvironment());
}

void RunnerDirectory::deliver()
{
    if (delivery_ == Delivery::Installed) install();
    else copyBuild();
}

void RunnerDirectory::writeEvents(const std::vector<std::shared_ptr<Plent::CPlent>>& events) const
{
    writeEvents(events, path("Pelmor.dat"));
}

void RunnerDirectory::writeEvents(const std::vector<std::shared_ptr<Plent::CPlent>>& events, const fs::path& file) const
{
    Plent::CPlentEngine engine;
    for (const auto& e : events) engine.Plents().Add(e, e->Identifier());
    engine.SaveObjects(file.string());
}

std::string RunnerDirectory::marker(const std::string& name) const
{
    return "sh -c 'echo $$ > \"" + (dir_ / "markers" / name).string() + "\"'";
}

std::string RunnerDirectory::countingMarker(const std::string& name) const
{
    return "sh -c 'echo $$ >> \"" + (dir_ / "markers" / name).string() + "\"'";
}

int RunnerDirectory::markerCount(const std::string& name) const
{
    std::ifstream in(dir_ / "markers" / name);
    int lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    return lines;
}

bool RunnerDirectory::waitForCount(const std::string& name, int count, std::chrono::seconds limit) const
{
    return waitUntil([&] { return markerCount(name) >= count; }, limit);
}

long RunnerDirectory::markerPid(const std::string& name) const
{
    std::ifstream in(dir_ / "markers" / name);
    long pid = 0;
    in >> pid;
    return pid;
}

bool RunnerDirectory::waitForMarkers(const std::vector<std::string>& names, std::chrono::seconds limit) const
{
    return waitUntil([&] { return std::all_of(names.begin(), names.end(), [&](auto& n) { return markerPid(n) > 0; }); },
                     limit);
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::seconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

void RunnerDirectory::start() { start(environment()); }

void RunnerDirectory::start(const QProcessEnvironment& environment, const QStringList& arguments)
{
    fs::create_directories(dir_ / "markers");
    runner_.setProcessEnvironment(environment);
    runner_.start(QString::fromStdString(path("Pelmor").string()), arguments);
    ASSERT_TRUE(runner_.waitForStarted(10000));
}

std::pair<int, std::string> RunnerDirectory::runToEnd(const QStringList& arguments,
                                                      const QProcessEnvironment& environment) const
{
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setStandardErrorFile(QProcess::nullDevice());
    program.start(QString::fromStdString(path("Pelmor").string()), arguments);
    if (!program.waitForFinished(20000)) return {-1, "did not end"};
    return {program.exitCode(), program.readAllStandardOutput().toStdString()};
}

std::string RunnerDirectory::standardError() const
{
    std::ifstream in(fs::path(temp_.path().toStdString()) / "stderr.txt");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::shared_ptr<Plent::CPlent> dailyEvent(const std::string& id, double hoursFromNow, const std::string& commandLine)
{
    auto e = Plent::CPlentEngine::NewPlent();
    e->setIdentifier(id);
    e->setRetryMode(Plent::RetryMode::Days);
    e->setRetry(1);
    e->setNextStart(Platform::Clock::now().toDate() + hoursFromNow / 24);
    e->setParameter(commandLine);
    return e;
}

std::shared_ptr<Plent::CPlent> oncePerStart(const std::string& id, const std::string& commandLine)
{
    auto e = dailyEvent(id, 24 * 365, commandLine);
    e->setRetryMode(Plent::RetryMode::OncePerRun);
    return e;
}
