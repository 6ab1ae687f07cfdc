#pragma once
#include <QString>

#include <optional>

#include "Arguments.h"
#include "Plent/history/RunRecord.h"

namespace Ctl {

// Which runs `pelmorctl history` shows: of one event (the identifier
// compared without regard to case, as the engine compares it), handed out
// at or after a time, only the failed ones.
class HistoryFilter {
public:
    // Fails with bad input for a malformed --since.
    explicit HistoryFilter(const Arguments& args);

    bool admits(const History::RunRecord& run) const;

private:
    std::optional<QString> identifier_;
    std::optional<QString> since_;
    bool failedOnly_;
};

} // namespace Ctl
