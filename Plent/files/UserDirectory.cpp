#include "UserDirectory.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "Plent/model/EventFile.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/modules/ModulePath.h"
#include "RunnerFiles.h"

namespace fs = std::filesystem;

namespace Plent {

using Platform::ErrorFromErrno;
using Platform::ModulePath;
using Platform::Raise;
using Platform::RuntimeErrorText;

namespace {

constexpr const char* Source = "UserDirectory.prepare";

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// HOME may be unset for a program started by a service manager.
std::string homeOfUser()
{
    if (std::string home = variable("HOME"); !home.empty()) return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

[[noreturn]] void fail(int errnoValue, const fs::path& path)
{
    const int32_t number = ErrorFromErrno(errnoValue);
    Raise(number, Source, RuntimeErrorText(number) + ": " + path.string());
}

void makeDirectory(const fs::path& dir)
{
    std::error_code ec;
    if (fs::is_directory(dir, ec)) return;
    if (!fs::create_directories(dir, ec) && ec) fail(ec.value(), dir);
    // Event files hold command lines: other users have no business there.
    fs::permissions(dir, fs::perms::owner_all, ec);
}

// The engine writes the file beside its place, private from the start, and
// it is linked into its place, which fails when a file is there: a second
// program starting at the same moment finds the file made and leaves it
// alone.
void writeEmptyEventFile(const fs::path& file)
{
    const std::string fresh = file.string() + "." + std::to_string(::getpid()) + ".new";
    try {
        EventFile::Save(colPlents(), fresh);
    } catch (const Platform::AutomationError& e) {
        throw e.withSource(Source);
    }
    const bool linked = ::chmod(fresh.c_str(), S_IRUSR | S_IWUSR) == 0 && ::link(fresh.c_str(), file.c_str()) == 0;
    const int error = errno;
    ::unlink(fresh.c_str());
    if (!linked && error != EEXIST) fail(error, file);
}

} // namespace

UserDirectory::Environment UserDirectory::Environment::current()
{
    return {variable(HomeVariable), variable("XDG_DATA_HOME"), homeOfUser()};
}

fs::path UserDirectory::runnerData()
{
    const fs::path dir = locate(ModulePath::executableDir(), Environment::current());
    prepare(dir);
    return dir;
}

// A relative XDG_DATA_HOME is invalid and ignored, as the base directory
// rules demand.
fs::path UserDirectory::locate(const fs::path& programDir, const Environment& environment)
{
    std::error_code ec;
    if (!programDir.empty() && fs::exists(programDir / RunnerFiles::EventFileName, ec)) return programDir;
    if (!environment.pelmorHome.empty()) return fs::absolute(environment.pelmorHome, ec);
    const fs::path xdg(environment.xdgDataHome);
    if (xdg.is_absolute()) return xdg / "pelmor";
    return fs::path(environment.home) / ".local" / "share" / "pelmor";
}

void UserDirectory::prepare(const fs::path& dir)
{
    makeDirectory(dir);
    prepareEventFile(dir / RunnerFiles::EventFileName);
}

void UserDirectory::prepareEventFile(const fs::path& file)
{
    std::error_code ec;
    if (!fs::exists(file, ec)) writeEmptyEventFile(file);
}

} // namespace Plent
