#include "FileTime.h"

#include <sys/stat.h>

#include <cerrno>
#include <ctime>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Platform {

Date FileTime::modified(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        const int32_t number = ErrorFromErrno(errno);
        Raise(number, "FileTime.modified", RuntimeErrorText(number) + ": '" + path + "'");
    }
    std::tm local{};
    localtime_r(&info.st_mtim.tv_sec, &local);
    const DateTime whole = DateTime::fromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                               local.tm_min, local.tm_sec);
    const double fraction = static_cast<double>(info.st_mtim.tv_nsec / 1000) / 1e6 / DateTime::SecondsPerDay;
    return whole.toDate() + fraction;
}

} // namespace Platform
