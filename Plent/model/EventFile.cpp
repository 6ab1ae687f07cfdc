#include "EventFile.h"

#include "FileSection.h"

namespace Plent {

void EventFile::Save(const colPlents& plents, const std::string& sFile)
{
    CLoadSaveObject stream;
    stream.setFileName(sFile);
    stream.WriteHEADER(ClassName, 0);
    plents.Save(stream);
    stream.CloseLSO();
}

void EventFile::Load(colPlents& plents, const std::string& sFile, std::vector<std::string>& notices)
{
    CLoadSaveObject stream;
    stream.setFileName(sFile);
    try {
        read(plents, stream);
    } catch (...) {
        notices.insert(notices.end(), stream.Notices().begin(), stream.Notices().end());
        throw;
    }
    notices.insert(notices.end(), stream.Notices().begin(), stream.Notices().end());
}

void EventFile::read(colPlents& plents, CLoadSaveObject& stream)
{
    if (!FileSection::Begin(stream, ClassName)) return;
    for (std::string next; FileSection::Peek(stream, next);) {
        if (next != colPlents::ClassName) return stream.addNotice("Invalid header '" + next + "' in " + stream.FileName());
        plents.Load(stream);
    }
}

} // namespace Plent
