#pragma once
#include <string>
#include <string_view>

namespace Platform {

// Keys compared without regard to letter case, for the texts the system
// stores (Windows-1252 on disk): ASCII and the accented letters of that code
// page ("Ä" and "ä", "Š" and "š", "Ÿ" and "ÿ") fold alike.
class TextKey {
public:
    // The folded form of a UTF-8 text: equal for two texts exactly when they
    // differ at most in letter case.
    static std::string fold(std::string_view utf8);
    static bool equal(std::string_view a, std::string_view b) { return fold(a) == fold(b); }
};

} // namespace Platform
