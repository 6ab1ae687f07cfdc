#include "LastResults.h"

namespace History {

// The runs come in the order of their hand-outs: a later one replaces an
// earlier one of the same event.
LastResults::LastResults(const std::vector<RunRecord>& runs)
{
    for (const RunRecord& run : runs) byIdentifier_[run.identifier().toStdString()] = textOf(run);
}

QString LastResults::of(const std::string& identifier) const
{
    const auto found = byIdentifier_.find(identifier);
    return found == byIdentifier_.end() ? QString() : found->second;
}

QString LastResults::textOf(const RunRecord& run)
{
    if (!run.started()) {
        return run.reason().isEmpty() ? run.outcome() : run.outcome() + ": " + run.reason();
    }
    if (const auto signal = run.signal()) return "signal " + QString::number(*signal);
    if (const auto status = run.exitStatus()) return "exit " + QString::number(*status);
    if (run.stillRunning()) return "running when the runner ended";
    return "running";
}

} // namespace History
