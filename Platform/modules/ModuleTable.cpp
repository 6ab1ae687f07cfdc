#include "ModuleTable.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace Platform {

namespace {

const StringTable* stringTableOf(void* library)
{
    auto table = reinterpret_cast<StringTableFn>(dlsym(library, StringTableSymbol));
    return table ? table() : nullptr;
}

const char* textOf(const StringTable* strings, unsigned id)
{
    if (!strings) return nullptr;
    const auto* end = strings->entries + strings->count;
    const auto* entry = std::find_if(strings->entries, end, [id](const StringTableEntry& e) { return e.id == id; });
    return entry == end ? nullptr : entry->text;
}

} // namespace

ModuleTable& ModuleTable::instance()
{
    static ModuleTable table;
    return table;
}

int32_t ModuleTable::load(const char* file)
{
    if (!file || !*file) return 0;
    void* library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (!library) return 0;
    std::lock_guard lock(mutex_);
    for (auto& [handle, module] : modules_) {
        if (module.library != library) continue;
        ++module.references;
        return handle;
    }
    const int32_t handle = unusedHandle();
    modules_[handle] = Module{library, 1, stringTableOf(library)};
    return handle;
}

bool ModuleTable::free(int32_t handle)
{
    std::lock_guard lock(mutex_);
    const auto it = modules_.find(handle);
    if (it == modules_.end()) return false;
    dlclose(it->second.library);
    if (--it->second.references == 0) modules_.erase(it);
    return true;
}

int ModuleTable::loadString(int32_t handle, unsigned id, char* buffer, int max)
{
    if (!buffer || max <= 0) return 0;
    std::lock_guard lock(mutex_);
    const auto it = modules_.find(handle);
    if (it == modules_.end()) return 0;
    const char* text = textOf(it->second.strings, id);
    if (!text) return 0;
    const int length = static_cast<int>(strnlen(text, static_cast<size_t>(max)));
    if (length == 0) return 0;
    std::memcpy(buffer, text, static_cast<size_t>(length));
    buffer[length] = '\0';
    return length;
}

// Handles count up from 1 and wrap around before they could turn negative,
// so neither 0 nor -1 is ever handed out.
int32_t ModuleTable::unusedHandle()
{
    do {
        lastHandle_ = lastHandle_ == std::numeric_limits<int32_t>::max() ? 1 : lastHandle_ + 1;
    } while (modules_.count(lastHandle_));
    return lastHandle_;
}

} // namespace Platform
