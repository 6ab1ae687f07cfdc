#include "TemporaryNames.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {

constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t RandomLength = 8;
constexpr char Ending[] = ".tmp";

bool isLetterOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

// A file no open descriptor holds the lock of; the check takes the lock, so
// the name can be removed before a new save could take the file.
void removeIfAbandoned(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
    ::close(fd);
}

} // namespace

std::string TemporaryNames::beside(const std::string& target)
{
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof Letters - 2);
    std::string name = target + ".";
    for (size_t i = 0; i < RandomLength; ++i) name += Letters[pick(generator)];
    return name + Ending;
}

bool TemporaryNames::isFor(const std::string& fileName, const std::string& targetName)
{
    const size_t start = targetName.size() + 1;
    if (fileName.size() != start + RandomLength + sizeof Ending - 1) return false;
    if (fileName.compare(0, targetName.size(), targetName) != 0 || fileName[targetName.size()] != '.') return false;
    for (size_t i = start; i < start + RandomLength; ++i) {
        if (!isLetterOrDigit(fileName[i])) return false;
    }
    return fileName.compare(start + RandomLength, std::string::npos, Ending) == 0;
}

bool TemporaryNames::hold(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK; }

void TemporaryNames::removeAbandoned(const std::string& target)
{
    namespace fs = std::filesystem;
    const fs::path path(target);
    const std::string targetName = path.filename().string();
    std::error_code ec;
    fs::directory_iterator it(path.has_parent_path() ? path.parent_path() : fs::path("."), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        if (isFor(it->path().filename().string(), targetName)) removeIfAbandoned(it->path());
    }
}

} // namespace Platform
