#pragma once
#include <string>

namespace Platform {

// Finds the program a command line names, as exec does: a name with a slash
// is taken as it is, any other is looked for in the directories of a PATH
// value. Done before a start so that a failure can be told in words.
class ProgramSearch {
public:
    struct Result {
        std::string path;
        // Empty when the program was found, else why not, in words.
        std::string reason;
    };

    static Result find(const std::string& name, const std::string& pathVariable);
};

} // namespace Platform
