#include "ShownRunState.h"

#include <utility>
#include <vector>

#include "RunStateFile.h"
#include "RunStateMerge.h"
#include "Plent/files/RunnerFiles.h"
#include "Platform/text/TextKey.h"

namespace Plent {

void ShownRunState::load(colPlents& events, const std::string& eventFile, Date now)
{
    fields_.clear();
    remember(events);
    const auto state = RunStateFile::read(RunnerFiles::stateOf(eventFile));
    if (!state) return;
    RunStateMerge::apply(events, *state, now);
    noteShown(events);
}

void ShownRunState::save(colPlents& events, const std::function<void()>& write)
{
    std::vector<std::pair<std::shared_ptr<CPlent>, RunFields>> shown;
    for (const auto& event : events) {
        const auto it = fields_.find(Platform::TextKey::fold(event->Identifier()));
        if (it == fields_.end()) continue;
        const RunFields current = RunFields::of(*event);
        const RunFields written = toWrite(current, it->second);
        if (written == current) continue;
        shown.emplace_back(event, current);
        written.applyTo(*event);
    }
    const auto showAgain = [&shown] {
        for (const auto& [event, fields] : shown) fields.applyTo(*event);
    };
    try {
        write();
    } catch (...) {
        showAgain();
        throw;
    }
    fields_.clear();
    remember(events);
    showAgain();
    noteShown(events);
}

// Each part the merge takes as one: the schedule, the last start, the status.
RunFields ShownRunState::toWrite(const RunFields& current, const Fields& fields)
{
    RunFields written = current;
    if (current.sameSchedule(fields.shown)) {
        written.NextStart = fields.inFile.NextStart;
        written.RegularStart = fields.inFile.RegularStart;
        written.Finished = fields.inFile.Finished;
    }
    if (current.LastStart == fields.shown.LastStart) written.LastStart = fields.inFile.LastStart;
    if (current.Status == fields.shown.Status) written.Status = fields.inFile.Status;
    return written;
}

void ShownRunState::remember(const colPlents& events)
{
    for (const auto& event : events) {
        const RunFields fields = RunFields::of(*event);
        fields_[Platform::TextKey::fold(event->Identifier())] = {fields, fields};
    }
}

void ShownRunState::noteShown(const colPlents& events)
{
    for (const auto& event : events) fields_[Platform::TextKey::fold(event->Identifier())].shown = RunFields::of(*event);
}

} // namespace Plent
