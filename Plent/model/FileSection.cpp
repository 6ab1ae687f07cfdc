#include "FileSection.h"

namespace Plent {

bool FileSection::Begin(CLoadSaveObject& stream, const std::string& className)
{
    std::string name;
    int16_t version = 0;
    if (!stream.ReadHEADER(name, version)) return false;
    if (name == className) return true;
    stream.addNotice("Unexpected header in " + className);
    return false;
}

bool FileSection::Peek(CLoadSaveObject& stream, std::string& name)
{
    int16_t version = 0;
    if (!stream.ReadHEADER(name, version)) return false;
    stream.RestorePos();
    return true;
}

int16_t FileSection::ReadInteger(CLoadSaveObject& stream)
{
    int16_t value = 0;
    stream.ReadINTEGER(value);
    return value;
}

bool FileSection::ReadBoolean(CLoadSaveObject& stream) { return ReadInteger(stream) != 0; }

Platform::Date FileSection::ReadDate(CLoadSaveObject& stream)
{
    Platform::Date value = 0;
    stream.ReadDATE(value);
    return value;
}

std::string FileSection::ReadString(CLoadSaveObject& stream)
{
    std::string value;
    stream.ReadSTRING(value);
    return value;
}

void FileSection::WriteBoolean(CLoadSaveObject& stream, bool value) { stream.WriteINTEGER(value ? -1 : 0); }

} // namespace Plent
