#pragma once
#include <cstdint>
#include <filesystem>

#include "Platform/automation/ErrorReport.h"
#include "Platform/modules/Library.h"

namespace Plent {

// The language library of the user's language, loaded from beside the
// program and freed when its owner lets it go. The engine and the windows
// are only given its handle, which they borrow.
class LanguageLibrary {
public:
    // The message number base of the engine's texts: the library's string
    // table is numbered from it, and the engine's Init is given it.
    static constexpr int16_t BaseOffset = 1000;

    // The library LanguageChoice picks in the program's directory. One that
    // does not load is not reported: its handle is 0, and every text asked
    // of it fails.
    static LanguageLibrary load();
    // The library in file, its handle 0 when it does not load.
    static LanguageLibrary loadFrom(const std::filesystem::path& file);
    // Errors reported in the language of the library with the handle hMsg.
    static Platform::ErrorReport errorReport(Platform::ModuleHandle hMsg) { return {hMsg, BaseOffset}; }

    // None: the handle 0.
    LanguageLibrary() = default;
    ~LanguageLibrary();
    LanguageLibrary(LanguageLibrary&& other) noexcept;
    LanguageLibrary& operator=(LanguageLibrary&& other) noexcept;

    Platform::ModuleHandle handle() const { return handle_; }

private:
    explicit LanguageLibrary(Platform::ModuleHandle handle) : handle_(handle) {}
    void free();

    Platform::ModuleHandle handle_ = 0;
};

} // namespace Plent
