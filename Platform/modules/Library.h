#pragma once
#include <cstdint>

namespace Platform {

// Plain modules (language libraries) loaded at run time by path, and the
// texts of their string tables (see StringTable.h).

// A module handle: a 32-bit signed number. 0 means that loading failed; -1
// is never handed out, so callers may use it for "no module".
using ModuleHandle = int32_t;

// Loads a module by path (a name without "/" is searched as the dynamic
// loader searches); its handle, or 0 when it does not load.
ModuleHandle LoadLibraryA(const char* fileName);
// Gives back one reference to a loaded module; false for an unknown handle.
bool FreeLibrary(ModuleHandle module);
// Copies the text with the given ID from the module's string table into
// buffer: at most max characters, followed by a NUL, so buffer must hold
// max + 1 characters (a buffer of 256 with max 255). Answers the number of
// characters copied; 0, with buffer untouched, when the handle names no
// module, the module has no string table, or the table has no text for the ID.
int LoadStringA(ModuleHandle module, unsigned id, char* buffer, int max);

} // namespace Platform
