#pragma once
#include <optional>
#include <string>

#include "RunState.h"

namespace Plent {

// The run state as a JSON file beside the event file:
//   {"Version": 1, "Events": [{"Identifier": "Backup",
//     "Base": {"NextStart": 46143.375, "RegularStart": 46143.375, "LastStart": 0, "Status": 0, "Finished": false},
//     "Run": {...the same fields...}, "Definition": "..."},
//     {"Identifier": "Once", "Base": {...}, "Removed": true, "Definition": "...", "MissingSince": 46150.5}],
//   "Starts": [{"Run": "20260504120000-4711-1", "Identifier": "Backup", "Command": "...", "Due": 46143.375}]}
// Dates are the stored numbers, days since 1899-12-30. "Definition" of an
// event that was not deleted, "MissingSince" and "Starts" may be left out.
// Failures are AutomationErrors naming the file.
class RunStateFile {
public:
    static constexpr int Version = 1;
    static constexpr int32_t InvalidFormat = 321;

    // Nothing when there is no state file. A file that cannot be read, or
    // that is not a state file of this version, fails.
    static std::optional<RunState> read(const std::string& path);
    // Replaces the file only once the new one is complete on the disk.
    static void write(const RunState& state, const std::string& path);
    // Puts a state file that cannot be read out of the way, under a name of
    // its own beside it (".bad", or ".bad.2" and on when that is taken),
    // and answers that name.
    static std::string moveAside(const std::string& path);
};

} // namespace Plent
