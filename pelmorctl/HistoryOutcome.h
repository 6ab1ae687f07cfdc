#pragma once
#include <string>

namespace History {
class RunRecord;
}

namespace Ctl {

// How a run of the history went, in words: "exit status 3, 12.4 s", "not
// started: program not found", "still running when the runner ended".
class HistoryOutcome {
public:
    static std::string of(const History::RunRecord& run);
};

} // namespace Ctl
