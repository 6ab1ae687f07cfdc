#include "ModulePath.h"

#include <dlfcn.h>

#include <system_error>

namespace Platform {

std::filesystem::path ModulePath::executable()
{
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : p;
}

std::filesystem::path ModulePath::executableDir() { return executable().parent_path(); }

std::filesystem::path ModulePath::ofAddress(const void* address)
{
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname) return {};
    std::error_code ec;
    auto p = std::filesystem::canonical(info.dli_fname, ec);
    return ec ? std::filesystem::path(info.dli_fname) : p;
}

} // namespace Platform
