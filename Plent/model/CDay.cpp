#include "CDay.h"

#include "FileSection.h"

namespace Plent {

// The number comes first here, unlike in CMonth and CWeekDay.
void CDay::Save(CLoadSaveObject& stream) const
{
    stream.WriteHEADER(ClassName, 0);
    stream.WriteINTEGER(day_);
    stream.WriteSTRING(key_);
}

void CDay::Load(CLoadSaveObject& stream)
{
    if (!FileSection::Begin(stream, ClassName)) return;
    day_ = FileSection::ReadInteger(stream);
    key_ = FileSection::ReadString(stream);
}

} // namespace Plent
