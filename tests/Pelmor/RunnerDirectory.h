#pragma once
// A directory of its own for the runner, as a user has it: the programs
// copied from the build tree (or installed there), their registration, and
// an event file written by the engine.
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <filesystem>
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

    void writeEvents(const std::vector<std::shared_ptr<Plent::CPlent>>& events) const;
    // A command line that writes its process id into the marker file.
    std::string marker(const std::string& name) const;
    // The process id a marker holds; 0 while it does not exist.
    long markerPid(const std::string& name) const;
    bool waitForMarkers(const std::vector<std::string>& names, std::chrono::seconds limit) const;

    // The runner on the offscreen platform, its standard error in a file.
    void start(const QProcessEnvironment& environment = runnerEnvironment());
    QProcess& runner() { return runner_; }
    std::string standardError() const;
    // What the delivered programs run with: the offscreen platform, their
    // own registration and no session bus.
    static QProcessEnvironment runnerEnvironment();

private:
    void run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment) const;

    void copyBuild();
    void install();

    QTemporaryDir temp_;
    Delivery delivery_;
    fs::path prefix_;
    fs::path dir_;
    QProcess runner_;
};

// An event on a daily grid with its next start and command line.
std::shared_ptr<Plent::CPlent> dailyEvent(const std::string& id, double hoursFromNow, const std::string& commandLine);
