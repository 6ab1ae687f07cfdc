#include "HistoryOutcome.h"

#include <QString>

#include "Plent/history/RunRecord.h"

namespace Ctl {

std::string HistoryOutcome::of(const History::RunRecord& run)
{
    if (!run.started()) return run.outcome().toStdString() + ": " + run.reason().toStdString();
    const auto seconds = run.seconds();
    const std::string took = seconds ? ", " + QString::number(*seconds, 'f', 1).toStdString() + " s" : "";
    if (const auto signal = run.signal()) return "ended by signal " + std::to_string(*signal) + took;
    if (const auto status = run.exitStatus()) return "exit status " + std::to_string(*status) + took;
    if (run.stillRunning()) return "still running when the runner ended";
    return "started, end not seen";
}

} // namespace Ctl
