#pragma once
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace Platform {

// The string table of a language library: texts by ID, as a resource library
// carries them. A module offers its table through one function with C
// linkage, named by StringTableSymbol:
//
//   extern "C" const Platform::StringTable* PlatformStringTable();
//
// It answers a table that stays valid while the module is loaded.
// PLATFORM_EXPORT_STRING_TABLE defines that function for an array of
// entries. Texts are NUL-terminated and in the system code page
// (Windows-1252); an entry with an empty text counts as no text, like an ID
// the table does not hold.
struct StringTableEntry {
    uint16_t id;
    const char* text;
};

struct StringTable {
    const StringTableEntry* entries;
    size_t count;
};

using StringTableFn = const StringTable* (*)();
inline constexpr const char* StringTableSymbol = "PlatformStringTable";

} // namespace Platform

#define PLATFORM_EXPORT_STRING_TABLE(entryArray)                                                         \
    extern "C" __attribute__((visibility("default"))) const Platform::StringTable* PlatformStringTable() \
    {                                                                                                    \
        static const Platform::StringTable table{entryArray, std::size(entryArray)};                     \
        return &table;                                                                                   \
    }
