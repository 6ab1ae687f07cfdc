#pragma once
#include <QByteArray>
#include <QJsonObject>

#include <string>
#include <vector>

#include "RunRecord.h"

namespace History {

// Reads the run history: the lines as they are stored, or the runs they
// tell. A torn last line (a write cut short by a crash) is skipped without
// a word; any other line that is not a JSON object is counted as damaged.
class HistoryReader {
public:
    struct Lines {
        std::vector<QJsonObject> lines;
        int damaged = 0;
    };
    struct Runs {
        std::vector<RunRecord> runs;
        int damaged = 0;
    };

    static Lines parse(const QByteArray& bytes);
    // The runs in the order of their hand-outs; a line whose run has no
    // hand-out (its first line was dropped) counts as a run of its own.
    static std::vector<RunRecord> runsOf(const std::vector<QJsonObject>& lines);

    // A missing file is an empty history. Raises an AutomationError
    // (source "HistoryReader.read") when the file cannot be read.
    static Runs read(const std::string& path);
};

} // namespace History
