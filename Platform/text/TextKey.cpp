#include "TextKey.h"

#include "Cp1252.h"

namespace Platform {

namespace {

char32_t lower(char32_t c)
{
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    switch (c) {
    case 0x160: return 0x161; // Š
    case 0x152: return 0x153; // Œ
    case 0x17D: return 0x17E; // Ž
    case 0x178: return 0xFF;  // Ÿ
    default: return c;
    }
}

} // namespace

std::string TextKey::fold(std::string_view utf8)
{
    // Pure ASCII is by far the common case: fold it without decoding.
    std::string out(utf8);
    bool ascii = true;
    for (char& c : out) {
        if (static_cast<unsigned char>(c) >= 0x80) { ascii = false; break; }
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    if (ascii) return out;
    out.clear();
    for (Utf8Reader r(utf8); !r.atEnd();) AppendUtf8(out, lower(r.next()));
    return out;
}

} // namespace Platform
