#include "LanguageLibrary.h"

#include <string>
#include <utility>

#include "Platform/locale/LanguageChoice.h"
#include "Platform/modules/ModulePath.h"

namespace Plent {

LanguageLibrary LanguageLibrary::load()
{
    return loadFrom(Platform::LanguageChoice::libraryIn(Platform::ModulePath::executableDir()));
}

LanguageLibrary LanguageLibrary::loadFrom(const std::filesystem::path& file)
{
    return LanguageLibrary(Platform::LoadLibraryA(file.string().c_str()));
}

LanguageLibrary::~LanguageLibrary() { free(); }

LanguageLibrary::LanguageLibrary(LanguageLibrary&& other) noexcept : handle_(std::exchange(other.handle_, 0)) {}

LanguageLibrary& LanguageLibrary::operator=(LanguageLibrary&& other) noexcept
{
    if (this != &other) {
        free();
        handle_ = std::exchange(other.handle_, 0);
    }
    return *this;
}

// 0 (the load failed) and -1 (no library) name nothing to free.
void LanguageLibrary::free()
{
    if (handle_ > 0) Platform::FreeLibrary(handle_);
    handle_ = 0;
}

} // namespace Plent
