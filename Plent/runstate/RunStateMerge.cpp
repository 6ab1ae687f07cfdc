#include "RunStateMerge.h"

#include "EventDefinition.h"

namespace Plent {

namespace {
bool missingTooLong(const StateEntry& entry, Date now) { return now - entry.MissingSince > RunStateMerge::KeepMissingDays; }
} // namespace

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

RunState RunStateMerge::apply(colPlents& events, const RunState& state, Date now)
{
    RunState rebased;
    for (const auto& [key, entry] : state.entries()) {
        if (auto kept = applyEntry(events, entry, now)) rebased.set(std::move(*kept));
    }
    return rebased;
}

std::optional<StateEntry> RunStateMerge::applyEntry(colPlents& events, const StateEntry& entry, Date now)
{
    const auto event = events.Item(entry.Identifier);
    if (!event) return keptWhileMissing(entry, now);
    const std::string definition = EventDefinition::fingerprint(*event);
    if (entry.MissingSince != 0 && (definition != entry.Definition || missingTooLong(entry, now))) return std::nullopt;
    const RunFields file = RunFields::of(*event);
    if (entry.removed()) {
        if (!staysRemoved(file, definition, entry)) return std::nullopt;
        events.Remove(entry.Identifier);
        return StateEntry{entry.Identifier, entry.Base, std::nullopt, definition, 0};
    }
    const RunFields merged = merge(file, entry);
    if (merged == file) return std::nullopt;
    merged.applyTo(*event);
    return StateEntry{event->Identifier(), file, merged, definition, 0};
}

std::optional<StateEntry> RunStateMerge::keptWhileMissing(const StateEntry& entry, Date now)
{
    if (entry.MissingSince == 0) {
        StateEntry missing = entry;
        missing.MissingSince = now;
        return missing;
    }
    if (missingTooLong(entry, now)) return std::nullopt;
    return entry;
}

} // namespace Plent
