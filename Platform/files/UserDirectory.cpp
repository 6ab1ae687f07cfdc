#include "UserDirectory.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/modules/ModulePath.h"

namespace fs = std::filesystem;

namespace Platform {

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

// Exclusive creation: a second program starting at the same moment finds
// the file made and leaves it alone.
void writeEmptyEventFile(const fs::path& file)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EEXIST) return;
        fail(errno, file);
    }
    const std::string bytes = UserDirectory::emptyEventFile();
    const bool written = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(file.c_str());
        fail(written ? EIO : writeError, file);
    }
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
    if (!programDir.empty() && fs::exists(programDir / EventFileName, ec)) return programDir;
    if (!environment.pelmorHome.empty()) return fs::absolute(environment.pelmorHome, ec);
    const fs::path xdg(environment.xdgDataHome);
    if (xdg.is_absolute()) return xdg / "pelmor";
    return fs::path(environment.home) / ".local" / "share" / "pelmor";
}

void UserDirectory::prepare(const fs::path& dir)
{
    makeDirectory(dir);
    std::error_code ec;
    if (!fs::exists(dir / EventFileName, ec)) writeEmptyEventFile(dir / EventFileName);
}

// The engine's header followed by an empty event collection.
std::string UserDirectory::emptyEventFile()
{
    static const char bytes[] = "9(\x0c\0CPlentEngine\0\0" "9(\x09\0colPlents\0\0";
    return {bytes, sizeof bytes - 1};
}

} // namespace Platform
