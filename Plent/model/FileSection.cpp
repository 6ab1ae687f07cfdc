#include "FileSection.h"

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Plent {

bool FileSection::Begin(CLoadSaveObject& stream, std::string_view className)
{
    std::string name;
    if (!readHeader(stream, name)) return false;
    if (name == className) return true;
    stream.addNotice("Unexpected header in " + std::string(className));
    return false;
}

bool FileSection::Peek(CLoadSaveObject& stream, std::string& name)
{
    if (!readHeader(stream, name)) return false;
    stream.RestorePos();
    return true;
}

// Fewer than the two bytes of a header's magic left: the file ends here.
void FileSection::Require(CLoadSaveObject& stream, bool found)
{
    if (found) return;
    stream.SavePos();
    int16_t magic = 0;
    if (!stream.ReadINTEGER(magic)) raiseCutShort(stream, "CLSO::ReadHEADER");
    stream.RestorePos();
}

int16_t FileSection::ReadInteger(CLoadSaveObject& stream)
{
    int16_t value = 0;
    if (!stream.ReadINTEGER(value)) raiseCutShort(stream, "CLSO::ReadINTEGER");
    return value;
}

bool FileSection::ReadBoolean(CLoadSaveObject& stream) { return ReadInteger(stream) != 0; }

Platform::Date FileSection::ReadDate(CLoadSaveObject& stream)
{
    Platform::Date value = 0;
    if (!stream.ReadDATE(value)) raiseCutShort(stream, "CLSO::ReadDATE");
    return value;
}

std::string FileSection::ReadString(CLoadSaveObject& stream)
{
    std::string value;
    if (!stream.ReadSTRING(value)) raiseCutShort(stream, "CLSO::ReadSTRING");
    return value;
}

void FileSection::WriteBoolean(CLoadSaveObject& stream, bool value) { stream.WriteINTEGER(value ? -1 : 0); }

// Bytes that do not begin with a header's magic end a section quietly; a
// header whose magic is there but whose rest the file cuts off does not,
// nor do the last one to three bytes of a file, too few for any header.
bool FileSection::readHeader(CLoadSaveObject& stream, std::string& name)
{
    int16_t version = 0;
    if (stream.ReadHEADER(name, version)) return true;
    if (endsInsideHeader(stream)) raiseCutShort(stream, "CLSO::ReadHEADER");
    return false;
}

// Reads on from where a header was not found. A header's magic with less
// than a whole header after it, and fewer bytes than a header's magic and
// its name's length, can only be a file cut inside a header; reading has
// then stopped at the end of the file.
bool FileSection::endsInsideHeader(CLoadSaveObject& stream)
{
    stream.SavePos();
    const int64_t start = stream.Position();
    int16_t magic = 0, version = 0;
    std::string name;
    if (stream.ReadINTEGER(magic) && magic == CLoadSaveObject::HeaderMagic) {
        if (stream.ReadSTRING(name)) stream.ReadINTEGER(version);
        return true;
    }
    int16_t length = 0;
    const bool cut = stream.Position() > start && !stream.ReadINTEGER(length);
    if (!cut) stream.RestorePos();
    return cut;
}

void FileSection::raiseCutShort(CLoadSaveObject& stream, const char* operation)
{
    Platform::Raise(Platform::Err::InputPastEnd, operation,
                    Platform::RuntimeErrorText(Platform::Err::InputPastEnd) + ": '" + stream.FileName() +
                        "' ends at byte " + std::to_string(stream.Position()));
}

} // namespace Plent
