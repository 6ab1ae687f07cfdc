#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "colPlents.h"

namespace Plent {

// The event file: a header naming the engine, then the events' section, each
// object writing its own section depth first.
class EventFile {
public:
    static constexpr const char* ClassName = "CPlentEngine";

    // Writes all events. The file is replaced only once it is complete:
    // a failed save raises its error and leaves the previous file as it was.
    static void Save(const colPlents& plents, const std::string& sFile);
    // Adds the file's events to those present, in file order. Headers out of
    // place are appended to notices as they are met, for the caller to show
    // (also when the load then fails), and end the load; an identifier
    // that is already present ends it with the duplicate-key error. Either
    // way the events read before stay. A file that does not begin with a
    // header loads nothing and reports nothing. Any other failure, a file
    // cut short among them, adds nothing at all. Answers the byte where the
    // events' section ended, or nothing when the file had none: a whole
    // file ends there.
    static std::optional<int64_t> Load(colPlents& plents, const std::string& sFile,
                                       std::vector<std::string>& notices);

private:
    static std::optional<int64_t> Read(colPlents& plents, const std::string& sFile,
                                       std::vector<std::string>& notices);
    static std::optional<int64_t> read(colPlents& plents, CLoadSaveObject& stream);
    static void Adopt(colPlents& plents, colPlents& loaded);
};

} // namespace Plent
