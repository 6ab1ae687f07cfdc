#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace Platform {

// A 128-bit class or interface identifier, written as
// "{86AD1108-E8C3-11D0-99F0-00AA00413EF4}".
struct Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    std::array<uint8_t, 8> data4{};

    static std::optional<Guid> parse(std::string_view text);
    // Parses a literal known to be well formed; a malformed one is a programming error.
    static Guid fromString(std::string_view text);
    std::string toString() const;

    friend bool operator==(const Guid&, const Guid&) = default;
};

} // namespace Platform

template <>
struct std::hash<Platform::Guid> {
    size_t operator()(const Platform::Guid& g) const noexcept;
};
