#pragma once
#include <ostream>
#include <string>

namespace Platform {

// What a program tells about itself when asked with --help or --version,
// before it does anything else; the manual pages are made from it.
struct ProgramInfo {
    std::string name;
    std::string version;
    // The help text, from its usage line on.
    std::string help;

    // Writes the help or the version when the only argument asks for it;
    // true when it did, so the program ends there.
    bool answer(int argc, const char* const* argv, std::ostream& out) const;
};

} // namespace Platform
