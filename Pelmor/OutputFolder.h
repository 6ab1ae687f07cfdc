#pragma once
#include <QString>

#include <string>

#include "OnceReport.h"

// The folder beside the event file ("Pelmor.dat" has "Pelmor.output") where
// each run's standard output and error go while it runs. A run that ends
// while the runner runs has its file read and removed; the files of runs
// that outlived a runner stay, the newest MaxLeft of them.
class OutputFolder {
public:
    static constexpr int MaxLeft = 100;

    explicit OutputFolder(const std::string& eventFile);

    // Removes all but the newest MaxLeft files.
    void trim() const;
    std::string fileFor(const QString& run);

private:
    QString path_;
    OnceReport report_{"the output of runs is not kept"};
};
