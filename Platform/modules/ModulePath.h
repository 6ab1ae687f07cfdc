#pragma once
#include <filesystem>

namespace Platform {

// Where the running program and the loaded modules live on disk.
class ModulePath {
public:
    // The file of the running executable.
    static std::filesystem::path executable();
    // The directory of the running executable.
    static std::filesystem::path executableDir();
    // The file of the shared object (or executable) that holds the address.
    static std::filesystem::path ofAddress(const void* address);
};

} // namespace Platform
