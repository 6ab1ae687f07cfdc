#include "EventRunRows.h"

#include <ranges>

#include "LastResults.h"
#include "Platform/text/TextKey.h"

namespace History {

namespace {

QString outcomeOf(const RunRecord& run)
{
    return run.reason().isEmpty() ? run.outcome() : run.outcome() + ": " + run.reason();
}

QString durationOf(const RunRecord& run)
{
    const auto seconds = run.seconds();
    return seconds ? QString::number(*seconds, 'f', 1) + " s" : QString();
}

} // namespace

EventRunRows::EventRunRows(const std::vector<RunRecord>& runs, const std::string& identifier)
{
    const std::string key = Platform::TextKey::fold(identifier);
    for (const RunRecord& run : std::views::reverse(runs))
        if (Platform::TextKey::fold(run.identifier().toStdString()) == key) runs_.push_back(run);
}

QStringList EventRunRows::cells(int row, const QString& manualText) const
{
    const RunRecord& run = runs_.at(row);
    return {run.time(), run.manual() ? manualText : run.due(), outcomeOf(run),
            run.started() ? LastResults::textOf(run) : QString(), durationOf(run)};
}

} // namespace History
