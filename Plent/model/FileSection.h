#pragma once
#include <cstdint>
#include <string>

#include "CLoadSaveObject.h"

namespace Plent {

// What every class of the event file does with its section: open it with
// a header naming the class, look at the next header to decide who reads
// on, and read and write its fields. Fields are read without testing
// whether they were complete: a file that ends early leaves 0, empty text
// and date 0 for what is missing.
class FileSection {
public:
    // Reads the header that opens a section of className. Answers false
    // when no header follows, and when it names another class, which is
    // noted on the stream as "Unexpected header in " + className (the
    // header stays consumed).
    static bool Begin(CLoadSaveObject& stream, const std::string& className);
    // Looks at the next header without consuming it; false when none follows.
    static bool Peek(CLoadSaveObject& stream, std::string& name);

    static int16_t ReadInteger(CLoadSaveObject& stream);
    // Any value but 0 is True.
    static bool ReadBoolean(CLoadSaveObject& stream);
    static Platform::Date ReadDate(CLoadSaveObject& stream);
    static std::string ReadString(CLoadSaveObject& stream);
    // True travels as -1, False as 0.
    static void WriteBoolean(CLoadSaveObject& stream, bool value);
};

} // namespace Plent
