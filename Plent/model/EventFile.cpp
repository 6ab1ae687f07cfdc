#include "EventFile.h"

#include "FileSection.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Plent {

void EventFile::Save(const colPlents& plents, const std::string& sFile)
{
    CLoadSaveObject stream;
    stream.setFileName(sFile);
    stream.WriteHEADER(ClassName, 0);
    plents.Save(stream);
    stream.CloseLSO();
}

// The file is read apart from the present events, so that a load that fails
// half-way leaves them as they were.
std::optional<int64_t> EventFile::Load(colPlents& plents, const std::string& sFile, std::vector<std::string>& notices)
{
    colPlents loaded;
    std::optional<int64_t> end;
    try {
        end = Read(loaded, sFile, notices);
    } catch (const Platform::AutomationError& e) {
        if (e.number() == Platform::Err::DuplicateKey) Adopt(plents, loaded);
        throw;
    }
    Adopt(plents, loaded);
    return end;
}

std::optional<int64_t> EventFile::Read(colPlents& plents, const std::string& sFile, std::vector<std::string>& notices)
{
    CLoadSaveObject stream;
    stream.setFileName(sFile);
    std::optional<int64_t> end;
    try {
        end = read(plents, stream);
    } catch (...) {
        notices.insert(notices.end(), stream.Notices().begin(), stream.Notices().end());
        throw;
    }
    notices.insert(notices.end(), stream.Notices().begin(), stream.Notices().end());
    return end;
}

// A peek leaves the stream where the next header starts.
std::optional<int64_t> EventFile::read(colPlents& plents, CLoadSaveObject& stream)
{
    std::optional<int64_t> end;
    if (!FileSection::Begin(stream, ClassName)) return end;
    for (std::string next; FileSection::Peek(stream, next);) {
        if (next != colPlents::ClassName) {
            stream.addNotice("Invalid header '" + next + "' in " + stream.FileName());
            return end;
        }
        plents.Load(stream);
        end = stream.Position();
    }
    return end;
}

// Stops with the duplicate-key error at the first identifier already present.
// Into an empty collection, as at every start, the loaded one moves whole.
void EventFile::Adopt(colPlents& plents, colPlents& loaded)
{
    if (plents.Count() == 0) {
        plents = std::move(loaded);
        return;
    }
    for (const auto& plent : loaded) plents.Add(plent, plent->Identifier());
}

} // namespace Plent
