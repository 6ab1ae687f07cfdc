#pragma once
#include <cstdint>
#include <map>
#include <mutex>

#include "StringTable.h"

namespace Platform {

// The modules loaded through LoadLibraryA, by handle. A handle is a positive
// 32-bit number; loading a module that is already loaded answers its handle
// again and counts one more reference, which one FreeLibrary gives back.
class ModuleTable {
public:
    static ModuleTable& instance();

    // The module's handle, or 0 when the file does not load.
    int32_t load(const char* file);
    // False when the handle names no loaded module.
    bool free(int32_t handle);
    // Copies the text of an ID into buffer (see LoadStringA); its length.
    int loadString(int32_t handle, unsigned id, char* buffer, int max);

private:
    struct Module {
        void* library;
        int references;
        const StringTable* strings;
    };
    int32_t unusedHandle();

    std::mutex mutex_;
    std::map<int32_t, Module> modules_;
    int32_t lastHandle_ = 0;
};

} // namespace Platform
