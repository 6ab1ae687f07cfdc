#include "CWeekDay.h"

#include "FileSection.h"

namespace Plent {

void CWeekDay::Save(CLoadSaveObject& stream) const
{
    stream.WriteHEADER(ClassName, 0);
    stream.WriteSTRING(key_);
    stream.WriteINTEGER(weekDay_);
}

void CWeekDay::Load(CLoadSaveObject& stream)
{
    if (!FileSection::Begin(stream, ClassName)) return;
    key_ = FileSection::ReadString(stream);
    weekDay_ = FileSection::ReadInteger(stream);
}

} // namespace Plent
