#include "Cp1252.h"

namespace Platform {

namespace {

// Code points of the bytes 0x80..0x9F; 0 where Windows-1252 leaves the byte undefined.
constexpr char32_t High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                               0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

// Without an early exit the loop runs on whole vectors of bytes.
bool Cp1252::isAscii(std::string_view text)
{
    unsigned char bits = 0;
    for (char c : text) bits |= static_cast<unsigned char>(c);
    return bits < 0x80;
}

char32_t Utf8Reader::next()
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s_[i]); };
    const unsigned char b0 = byte(pos_++);
    if (b0 < 0x80) return b0;
    int extra;
    char32_t cp;
    if ((b0 & 0xE0) == 0xC0) { extra = 1; cp = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { extra = 2; cp = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { extra = 3; cp = b0 & 0x07; }
    else return 0xFFFD;
    for (int i = 0; i < extra; ++i) {
        if (pos_ >= s_.size() || (byte(pos_) & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (byte(pos_++) & 0x3F);
    }
    static constexpr char32_t MinOf[4] = {0, 0x80, 0x800, 0x10000};
    if (cp < MinOf[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0xFFFD;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int Cp1252::byteOf(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    // The five bytes the code page leaves undefined stand for themselves.
    if (cp >= 0x80 && cp < 0xA0 && High[cp - 0x80] == 0) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i) {
        if (High[i] != 0 && High[i] == cp) return 0x80 + i;
    }
    return -1;
}

char32_t Cp1252::codePointOf(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0) return High[b - 0x80] ? High[b - 0x80] : b;
    return b;
}

std::string Cp1252::fromUtf8(std::string_view utf8)
{
    if (isAscii(utf8)) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (Utf8Reader r(utf8); !r.atEnd();) {
        const int b = byteOf(r.next());
        out += static_cast<char>(b < 0 ? '?' : b);
    }
    return out;
}

std::string Cp1252::toUtf8(std::string_view bytes)
{
    if (isAscii(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) AppendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

} // namespace Platform
