#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "CLoadSaveObject.h"

namespace Plent {

// What every class of the event file does with its section: open it with
// a header naming the class, look at the next header to decide who reads
// on, and read and write its fields.
//
// A file cut short is refused, never half-read: a field, a header or a
// section that the writer always puts there but that the end of the file
// cuts off fails with "Input past end of file", naming the file and the
// byte where it ends.
class FileSection {
public:
    // Reads the header that opens a section of className. Answers false
    // when no header follows, and when it names another class, which is
    // noted on the stream as "Unexpected header in " + className (the
    // header stays consumed).
    static bool Begin(CLoadSaveObject& stream, std::string_view className);
    // Looks at the next header without consuming it; false when none follows.
    static bool Peek(CLoadSaveObject& stream, std::string& name);
    // Called where the writer always puts a section, with whether one came:
    // when none did because the file ends there, the file was cut short.
    static void Require(CLoadSaveObject& stream, bool found);

    static int16_t ReadInteger(CLoadSaveObject& stream);
    // Any value but 0 is True.
    static bool ReadBoolean(CLoadSaveObject& stream);
    static Platform::Date ReadDate(CLoadSaveObject& stream);
    static std::string ReadString(CLoadSaveObject& stream);
    // True travels as -1, False as 0.
    static void WriteBoolean(CLoadSaveObject& stream, bool value);

private:
    static bool readHeader(CLoadSaveObject& stream, std::string& name);
    static bool endsInsideHeader(CLoadSaveObject& stream);
    [[noreturn]] static void raiseCutShort(CLoadSaveObject& stream, const char* operation);
};

} // namespace Plent
