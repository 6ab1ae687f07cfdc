#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace Platform {

// Which language library the programs load: the first of the user's
// languages for which one lies in the directory, "Pelmor.<language>.dll"
// ("Pelmor.de.dll"), else the English "Pelmor.dll".
class LanguageChoice {
public:
    static constexpr const char* DefaultLibrary = "Pelmor.dll";

    // The library in dir for the languages of the user's locale.
    static std::filesystem::path libraryIn(const std::filesystem::path& dir);
    // The library in dir for languages given as "de-DE", "de_AT" or "fr",
    // most wanted first.
    static std::filesystem::path libraryFor(const std::vector<std::string>& languages,
                                            const std::filesystem::path& dir);
};

} // namespace Platform
