#pragma once
#include <QString>

#include <string>
#include <unordered_map>
#include <vector>

#include "RunRecord.h"

namespace History {

// How each event's latest run in a history went, in a few words: "exit 0",
// "exit 3", "signal 9", "running", "not started: program not found", or
// whatever else the history records as the outcome and its reason.
class LastResults {
public:
    LastResults() = default;
    explicit LastResults(const std::vector<RunRecord>& runs);

    // Empty for an event that never ran under a runner.
    QString of(const std::string& identifier) const;
    static QString textOf(const RunRecord& run);

private:
    std::unordered_map<std::string, QString> byIdentifier_;
};

} // namespace History
