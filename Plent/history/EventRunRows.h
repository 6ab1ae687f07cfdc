#pragma once
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "RunRecord.h"

namespace History {

// One event's runs of a history as rows of a table, newest first: the time
// of the hand-out, the due start (manualText for a start by hand), the
// outcome, the exit status or signal, and how long the program ran.
class EventRunRows {
public:
    EventRunRows() = default;
    // Identifiers match without regard to letter case, as events' keys do.
    EventRunRows(const std::vector<RunRecord>& runs, const std::string& identifier);

    int count() const { return static_cast<int>(runs_.size()); }
    QStringList cells(int row, const QString& manualText) const;
    // The end of the run's output that the history keeps.
    QString output(int row) const { return runs_.at(row).output(); }
    QString run(int row) const { return runs_.at(row).run(); }

private:
    std::vector<RunRecord> runs_;
};

} // namespace History
