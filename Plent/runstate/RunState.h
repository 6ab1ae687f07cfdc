#pragma once
#include <map>
#include <string>
#include <vector>

#include "PendingStart.h"
#include "StateEntry.h"

namespace Plent {

// The runner's entries, one per event, under identifiers compared without
// regard to letter case as the event collection compares them, and the
// starts of the last poll that handed something out. Entries come out in
// the order of their folded identifiers, so that the same state always
// makes the same file.
class RunState {
public:
    using Entries = std::map<std::string, StateEntry>;

    void set(StateEntry entry);
    const StateEntry* find(const std::string& identifier) const;
    void erase(const std::string& identifier);

    const Entries& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }

    const std::vector<PendingStart>& starts() const { return starts_; }
    void setStarts(std::vector<PendingStart> starts) { starts_ = std::move(starts); }

    bool operator==(const RunState& other) const = default;

private:
    Entries entries_;
    std::vector<PendingStart> starts_;
};

} // namespace Plent
