#include "Library.h"

#include "ModuleTable.h"

namespace Platform {

ModuleHandle LoadLibraryA(const char* fileName) { return ModuleTable::instance().load(fileName); }

bool FreeLibrary(ModuleHandle module) { return ModuleTable::instance().free(module); }

int LoadStringA(ModuleHandle module, unsigned id, char* buffer, int max)
{
    return ModuleTable::instance().loadString(module, id, buffer, max);
}

} // namespace Platform
