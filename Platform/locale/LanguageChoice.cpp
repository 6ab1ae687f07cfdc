#include "LanguageChoice.h"

#include <QLocale>

#include <algorithm>
#include <cctype>
#include <system_error>

namespace fs = std::filesystem;

namespace Platform {

namespace {

// The English texts are the default library's own.
constexpr const char* DefaultLanguage = "en";

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// "de_AT" and "de-AT" name the same thing; a region comes before the plain
// language, so that a library for it would win.
std::vector<std::string> candidatesOf(const std::string& language)
{
    std::string tag = language;
    std::replace(tag.begin(), tag.end(), '_', '-');
    const std::string plain = lowerCase(tag.substr(0, tag.find('-')));
    if (plain == tag) return {plain};
    return {tag, plain};
}

fs::path libraryNamed(const fs::path& dir, const std::string& language)
{
    return dir / ("Pelmor." + language + ".dll");
}

} // namespace

fs::path LanguageChoice::libraryIn(const fs::path& dir)
{
    std::vector<std::string> languages;
    for (const QString& language : QLocale::system().uiLanguages()) languages.push_back(language.toStdString());
    return libraryFor(languages, dir);
}

fs::path LanguageChoice::libraryFor(const std::vector<std::string>& languages, const fs::path& dir)
{
    for (const std::string& language : languages) {
        for (const std::string& candidate : candidatesOf(language)) {
            if (candidate == DefaultLanguage) return dir / DefaultLibrary;
            std::error_code ec;
            if (fs::exists(libraryNamed(dir, candidate), ec)) return libraryNamed(dir, candidate);
        }
    }
    return dir / DefaultLibrary;
}

} // namespace Platform
