#pragma once
#include <string>
#include <string_view>

namespace Platform {

// Texts are UTF-8 in memory and Windows-1252 on disk.
class Cp1252 {
public:
    // One byte per character; a character without a single-byte form (and
    // any malformed UTF-8) becomes "?".
    static std::string fromUtf8(std::string_view utf8);
    static std::string toUtf8(std::string_view bytes);
    // ASCII reads the same in both encodings and is by far the common text.
    static bool isAscii(std::string_view text);
    // The Windows-1252 byte of a code point, or -1 when it has none.
    static int byteOf(char32_t codePoint);
    static char32_t codePointOf(unsigned char byte);
};

// Decodes UTF-8 one code point at a time; malformed input yields U+FFFD.
class Utf8Reader {
public:
    explicit Utf8Reader(std::string_view s) : s_(s) {}
    bool atEnd() const { return pos_ >= s_.size(); }
    char32_t next();

private:
    std::string_view s_;
    size_t pos_ = 0;
};

void AppendUtf8(std::string& out, char32_t codePoint);

} // namespace Platform
