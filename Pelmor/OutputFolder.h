#pragma once
#include <QString>

#include <map>
#include <string>

#include "OnceReport.h"

// The folder beside the event file ("Pelmor.dat" has "Pelmor.output") where
// each run's standard output and error go while it runs. A run that ends
// while the runner runs has its file read and removed; the files of runs
// that outlived a runner stay, the newest MaxLeft of them, MaxLeftBytes in
// all at most. No file holds more than MaxBytes for longer than a second: the
// head of one that does is cut, down to its last KeptBytes.
class OutputFolder {
public:
    static constexpr int MaxLeft = 100;
    static constexpr qint64 MaxLeftBytes = 256LL * 1024 * 1024;
    static constexpr qint64 MaxBytes = 16LL * 1024 * 1024;
    static constexpr qint64 KeptBytes = MaxBytes / 2;
    // How often bound() runs: a fast writer fills a lot in a poll's time.
    static constexpr int BoundInterval = 1000;

    explicit OutputFolder(const std::string& eventFile);

    // Removes the oldest files beyond either bound.
    void trim() const;
    // Cuts every file past MaxBytes, also those of programs that outlived
    // an earlier runner; answers the bytes dropped by file.
    std::map<std::string, qint64> bound();
    std::string fileFor(const QString& run);

private:
    QString path_;
    OnceReport report_{"the output of runs is not kept"};
    OnceReport cutReport_{"the output of runs cannot be cut"};
};
