#include "CMonth.h"

#include "FileSection.h"

namespace Plent {

colDays& CMonth::Days() { return *DaysRef(); }

const colDays& CMonth::Days() const
{
    static const colDays none;
    return days_ ? *days_ : none;
}

std::shared_ptr<colDays> CMonth::DaysRef()
{
    if (!days_) days_ = std::make_shared<colDays>();
    return days_;
}

// Always with a days section, even an empty one.
void CMonth::Save(CLoadSaveObject& stream)
{
    stream.WriteHEADER(ClassName, 0);
    stream.WriteSTRING(key_);
    stream.WriteINTEGER(month_);
    Days().Save(stream);
}

void CMonth::Load(CLoadSaveObject& stream)
{
    if (!FileSection::Begin(stream, ClassName)) return;
    key_ = FileSection::ReadString(stream);
    month_ = FileSection::ReadInteger(stream);
    bool withDays = false;
    for (std::string next; FileSection::Peek(stream, next) && next == colDays::ClassName;) {
        Days().Load(stream);
        withDays = true;
    }
    FileSection::Require(stream, withDays);
}

} // namespace Plent
