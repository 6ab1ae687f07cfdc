#include "RunnerFiles.h"

#include <filesystem>

namespace Plent {

std::string RunnerFiles::beside(const std::string& eventFile, const char* extension)
{
    return std::filesystem::path(eventFile).replace_extension(extension).string();
}

} // namespace Plent
