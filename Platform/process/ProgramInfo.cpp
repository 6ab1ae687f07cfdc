#include "ProgramInfo.h"

#include <string_view>

namespace Platform {

bool ProgramInfo::answer(int argc, const char* const* argv, std::ostream& out) const
{
    if (argc != 2) return false;
    const std::string_view option = argv[1];
    if (option == "--help") out << help;
    else if (option == "--version") out << name << ' ' << version << '\n';
    else return false;
    out.flush();
    return true;
}

} // namespace Platform
