#pragma once
#include <filesystem>
#include <string>

namespace Plent {

// Where the runner's files live (see RunnerFiles): the event file, the
// table and whatever else the runner keeps. The programs and their
// libraries stay beside the executable either way.
//
// A portable tree (the build tree, or an installation with a prefix of the
// user's own) holds the event file beside the executable and keeps its
// files there. A system installation keeps each user's files in
// $PELMOR_HOME, else in $XDG_DATA_HOME/pelmor, else in
// ~/.local/share/pelmor; that directory is made on first use with an empty
// event file in it.
class UserDirectory {
public:
    static constexpr const char* HomeVariable = "PELMOR_HOME";

    // What the rule looks at besides the program's directory.
    struct Environment {
        std::string pelmorHome;
        std::string xdgDataHome;
        std::string home;
        // The values of the running program.
        static Environment current();
    };

    // The runner's data directory for the running program, ready for use.
    // Raises an AutomationError when it cannot be made.
    static std::filesystem::path runnerData();

    // The directory the rule chooses for a program in programDir.
    static std::filesystem::path locate(const std::filesystem::path& programDir, const Environment& environment);
    // Makes dir, when it is missing, and an empty event file in it, when
    // there is none; never touches an event file that is there.
    static void prepare(const std::filesystem::path& dir);
    // The event file file, empty, when there is none; as prepare.
    static void prepareEventFile(const std::filesystem::path& file);
};

} // namespace Plent
