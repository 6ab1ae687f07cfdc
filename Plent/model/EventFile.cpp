#include "EventFile.h"

#include "FileSection.h"
#include "Platform/ui/MessageBox.h"

namespace Plent {

void EventFile::Save(const colPlents& plents, const std::string& sFile)
{
    CLoadSaveObject stream;
    stream.setFileName(sFile);
    stream.WriteHEADER(ClassName, 0);
    plents.Save(stream);
    stream.CloseLSO();
}

void EventFile::Load(colPlents& plents, const std::string& sFile)
{
    CLoadSaveObject stream;
    stream.setFileName(sFile);
    if (!FileSection::Begin(stream, ClassName)) return;
    for (std::string next; FileSection::Peek(stream, next);) {
        if (next != colPlents::ClassName) {
            Platform::MessageBox::show("Invalid header '" + next + "' in " + stream.FileName());
            return;
        }
        plents.Load(stream);
    }
}

} // namespace Plent
