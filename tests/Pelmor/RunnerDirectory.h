#pragma once
// A directory of its own for the runner, as a user has it: the programs
// copied from the build tree (or installed there), their registration, and
// an event file written by the engine.
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Plent/model/CPlent.h"

namespace fs = std::filesystem;

class RunnerDirectory {
public:
    // BuildTree: the programs of the build tree copied and registered
    // there. Installed: the build tree installed with a prefix below the
    // temporary directory; the runner lives in the prefix's library part.
    enum class Delivery { BuildTree, Installed };

    explicit RunnerDirectory(Delivery delivery = Delivery::BuildTree);
    ~RunnerDirectory();

    // Where the runner lives; the programs are not there until deliver.
    const fs::path& dir() const { return dir_; }
    fs::path path(const std::string& name) const { return dir_ / name; }
    const fs::path& prefix() const { return prefix_; }
    void deliver();

    // The user's data directory the delivered programs are given
    // (PELMOR_HOME), inside the temporary directory unless changed.
    const fs::path& home() const { return home_; }
    void setHome(const fs::path& home) { home_ = home; }

    // Into the event file beside the runner, or into another file.
    void writeEvents(const std::vector<std::shared_ptr<Plent::CPlent>>& events) const;
    void writeEvents(const std::vector<std::shared_ptr<Plent::CPlent>>& events, const fs::path& file) const;
    // A command line that writes its process id into the marker file.
    std::string marker(const std::string& name) const;
    // A command line that adds a line to the marker file at every start.
    std::string countingMarker(const std::string& name) const;
    // The process id a marker holds; 0 while it does not exist.
    long markerPid(const std::string& name) const;
    // How many times a counting marker was written.
    int markerCount(const std::string& name) const;
    bool waitForCount(const std::string& name, int count, std::chrono::seconds limit) const;
    bool waitForMarkers(const std::vector<std::string>& names, std::chrono::seconds limit) const;

    // The runner on the offscreen platform, its standard error in a file.
    void start();
    void start(const QProcessEnvironment& environment, const QStringList& arguments = {});
    // A delivered program run to its end: its exit status and its
    // standard output.
    std::pair<int, std::string> runToEnd(const QStringList& arguments, const QProcessEnvironment& environment) const;
    QProcess& runner() { return runner_; }
    std::string standardError() const;
    // What the delivered programs run with: the offscreen platform, their
    // own registration and no session bus.
    static QProcessEnvironment runnerEnvironment();
    // The same with this directory's user data directory.
    QProcessEnvironment environment() const;
    // A delivered program's standard output when it answers the option.
    static std::string answerOf(const std::string& program, const QString& option);

private:
    void run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment) const;

    void copyBuild();
    void install();

    QTemporaryDir temp_;
    Delivery delivery_;
    fs::path prefix_;
    fs::path dir_;
    fs::path home_;
    QProcess runner_;
};

// Polls the condition every tenth of a second until it holds or the time
// is up; answers whether it held.
bool waitUntil(const std::function<bool()>& condition, std::chrono::seconds limit);

// An event on a daily grid with its next start and command line.
std::shared_ptr<Plent::CPlent> dailyEvent(const std::string& id, double hoursFromNow, const std::string& commandLine);
// An event that starts once at every start of the runner.
std::shared_ptr<Plent::CPlent> oncePerStart(const std::string& id, const std::string& commandLine);
