#include "RunStateMerge.h"

#include "EventDefinition.h"

namespace Plent {

RunFields RunStateMerge::merge(const RunFields& file, const StateEntry& entry)
{
    const RunFields& base = entry.Base;
    const RunFields& run = *entry.Run;
    RunFields merged = file.sameSchedule(base) ? run : file;
    merged.LastStart = file.LastStart == base.LastStart ? run.LastStart : file.LastStart;
    merged.Status = file.Status == base.Status ? run.Status : file.Status;
    return merged;
}

bool RunStateMerge::staysRemoved(const RunFields& file, const std::string& definition, const StateEntry& entry)
{
    return entry.removed() && file == entry.Base && definition == entry.Definition;
}

RunState RunStateMerge::apply(colPlents& events, const RunState& state)
{
    RunState rebased;
    for (const auto& [key, entry] : state.entries()) {
        if (auto kept = applyEntry(events, entry)) rebased.set(std::move(*kept));
    }
    return rebased;
}

std::optional<StateEntry> RunStateMerge::applyEntry(colPlents& events, const StateEntry& entry)
{
    const auto event = events.Item(entry.Identifier);
    if (!event) return std::nullopt;
    const RunFields file = RunFields::of(*event);
    if (entry.removed()) {
        if (!staysRemoved(file, EventDefinition::fingerprint(*event), entry)) return std::nullopt;
        events.Remove(entry.Identifier);
        return entry;
    }
    const RunFields merged = merge(file, entry);
    if (merged == file) return std::nullopt;
    merged.applyTo(*event);
    return StateEntry{event->Identifier(), file, merged, {}};
}

} // namespace Plent
