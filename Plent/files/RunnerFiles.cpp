#include "RunnerFiles.h"

#include <filesystem>

#include "UserDirectory.h"

namespace Plent {

std::string RunnerFiles::eventFile() { return (UserDirectory::runnerData() / EventFileName).string(); }

std::string RunnerFiles::table() { return (UserDirectory::runnerData() / TableFileName).string(); }

std::string RunnerFiles::socketFolderIn(const std::string& directory)
{
    return (std::filesystem::path(directory) / "Pelmor.run").string();
}

std::string RunnerFiles::beside(const std::string& eventFile, const char* extension)
{
    return std::filesystem::path(eventFile).replace_extension(extension).string();
}

} // namespace Plent
