#include "Guid.h"

#include <cstdio>
#include <stdexcept>

namespace Platform {

namespace {

std::optional<uint64_t> hexField(std::string_view text, size_t pos, size_t len)
{
    uint64_t value = 0;
    for (size_t i = pos; i < pos + len; ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return std::nullopt;
        value = value * 16 + static_cast<uint64_t>(digit);
    }
    return value;
}

} // namespace

std::optional<Guid> Guid::parse(std::string_view text)
{
    // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
    if (text.size() != 38 || text.front() != '{' || text.back() != '}' || text[9] != '-'
        || text[14] != '-' || text[19] != '-' || text[24] != '-')
        return std::nullopt;
    const auto d1 = hexField(text, 1, 8), d2 = hexField(text, 10, 4), d3 = hexField(text, 15, 4);
    if (!d1 || !d2 || !d3) return std::nullopt;
    Guid g;
    g.data1 = static_cast<uint32_t>(*d1);
    g.data2 = static_cast<uint16_t>(*d2);
    g.data3 = static_cast<uint16_t>(*d3);
    const size_t bytePos[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (size_t i = 0; i < 8; ++i) {
        const auto b = hexField(text, bytePos[i], 2);
        if (!b) return std::nullopt;
        g.data4[i] = static_cast<uint8_t>(*b);
    }
    return g;
}

Guid Guid::fromString(std::string_view text)
{
    const auto g = parse(text);
    if (!g) throw std::invalid_argument("malformed identifier: " + std::string(text));
    return *g;
}

std::string Guid::toString() const
{
    char buf[39];
    std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", data1, data2,
                  data3, data4[0], data4[1], data4[2], data4[3], data4[4], data4[5], data4[6], data4[7]);
    return buf;
}

} // namespace Platform

size_t std::hash<Platform::Guid>::operator()(const Platform::Guid& g) const noexcept
{
    size_t h = g.data1;
    h = h * 1000003u ^ g.data2;
    h = h * 1000003u ^ g.data3;
    for (uint8_t b : g.data4) h = h * 1000003u ^ b;
    return h;
}
