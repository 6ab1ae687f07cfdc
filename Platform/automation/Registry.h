#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Guid.h"

namespace Platform {

// Where the runtime finds the servers of creatable classes.
//
// A registration is a directory "automation" with one file per class
// identifier (CLSID/{...}: the server module and the program identifier) and
// one per program identifier (ProgID/Name.Class: the class identifier). The
// runtime looks, in this order, in the directory named by the environment
// variable PELMOR_AUTOMATION_REGISTRY, in "automation" beside the running
// executable, and in the user's data directory. A server registers itself
// into the variable's directory when it is set, else beside its own module,
// so a build tree and an installed tree each carry their own registration;
// a module beside the registration is recorded by its bare file name, so the
// directory may be moved as a whole.
class Registry {
public:
    static constexpr const char* EnvironmentVariable = "PELMOR_AUTOMATION_REGISTRY";

    static std::vector<std::filesystem::path> searchPath();
    static std::filesystem::path writeLocation(const std::filesystem::path& moduleFile);

    static void registerClass(const std::filesystem::path& registry, const Guid& clsid, const std::string& progId,
                              const std::filesystem::path& moduleFile);
    static void unregisterClass(const std::filesystem::path& registry, const Guid& clsid,
                                const std::string& progId);

    static std::optional<std::filesystem::path> findServer(const Guid& clsid);
    static std::optional<Guid> findProgId(const std::string& progId);
};

} // namespace Platform
