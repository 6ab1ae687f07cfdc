#include "Registry.h"

#include <cstdlib>
#include <fstream>

#include "../modules/ModulePath.h"

namespace fs = std::filesystem;

namespace Platform {

namespace {

constexpr const char* ServerKey = "InprocServer32=";
constexpr const char* ProgIdKey = "ProgID=";

std::optional<std::string> valueOf(const fs::path& file, const std::string& key)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0) return line.substr(key.size());
    }
    return std::nullopt;
}

void writeFile(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::trunc);
    out << text;
    if (!out.flush()) throw fs::filesystem_error("cannot write registration", file, std::make_error_code(std::errc::io_error));
}

fs::path userRegistry()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "pelmor" / "automation";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "share" / "pelmor" / "automation";
    return {};
}

} // namespace

std::vector<fs::path> Registry::searchPath()
{
    std::vector<fs::path> dirs;
    if (const char* env = std::getenv(EnvironmentVariable); env && *env) dirs.emplace_back(env);
    if (auto exeDir = ModulePath::executableDir(); !exeDir.empty()) dirs.push_back(exeDir / "automation");
    if (auto user = userRegistry(); !user.empty()) dirs.push_back(user);
    return dirs;
}

fs::path Registry::writeLocation(const fs::path& moduleFile)
{
    if (const char* env = std::getenv(EnvironmentVariable); env && *env) return env;
    return moduleFile.parent_path() / "automation";
}

void Registry::registerClass(const fs::path& registry, const Guid& clsid, const std::string& progId,
                             const fs::path& moduleFile)
{
    const bool besideRegistry = moduleFile.parent_path() == registry.parent_path();
    const fs::path recorded = besideRegistry ? moduleFile.filename() : moduleFile;
    writeFile(registry / "CLSID" / clsid.toString(), std::string(ServerKey) + recorded.string() + "\n" + ProgIdKey + progId + "\n");
    if (!progId.empty()) writeFile(registry / "ProgID" / progId, clsid.toString() + "\n");
}

void Registry::unregisterClass(const fs::path& registry, const Guid& clsid, const std::string& progId)
{
    std::error_code ec;
    fs::remove(registry / "CLSID" / clsid.toString(), ec);
    if (!progId.empty()) fs::remove(registry / "ProgID" / progId, ec);
}

std::optional<fs::path> Registry::findServer(const Guid& clsid)
{
    for (const auto& dir : searchPath()) {
        const auto module = valueOf(dir / "CLSID" / clsid.toString(), ServerKey);
        if (!module) continue;
        const fs::path p(*module);
        return p.is_absolute() ? p : dir.parent_path() / p;
    }
    return std::nullopt;
}

std::optional<Guid> Registry::findProgId(const std::string& progId)
{
    if (progId.empty() || progId.find('/') != std::string::npos || progId.find("..") != std::string::npos)
        return std::nullopt;
    for (const auto& dir : searchPath()) {
        std::ifstream in(dir / "ProgID" / progId);
        std::string line;
        if (in && std::getline(in, line)) return Guid::parse(line);
    }
    return std::nullopt;
}

} // namespace Platform
