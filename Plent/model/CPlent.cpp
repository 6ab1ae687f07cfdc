#include "CPlent.h"

#include "FileSection.h"

namespace Plent {

CPlent::CPlent() : unless_(std::make_shared<CUnless>()) {}

// The fields in the order of the event file, which is not their order above.
void CPlent::Save(CLoadSaveObject& s)
{
    s.WriteHEADER(ClassName, 0);
    s.WriteINTEGER(delay_);
    s.WriteINTEGER(delayMode_);
    FileSection::WriteBoolean(s, deleteAfterDone_);
    s.WriteSTRING(description_);
    FileSection::WriteBoolean(s, finished_);
    s.WriteDATE(nextStart_);
    s.WriteINTEGER(from_);
    s.WriteSTRING(identifier_);
    s.WriteDATE(lastStart_);
    s.WriteINTEGER(status_);
    FileSection::WriteBoolean(s, moveToNextDay_);
    s.WriteSTRING(parameter_);
    s.WriteINTEGER(retry_);
    s.WriteINTEGER(retryMode_);
    s.WriteDATE(regularStart_);
    s.WriteINTEGER(to_);
    unless_->Save(s);
}

void CPlent::Load(CLoadSaveObject& s)
{
    if (!FileSection::Begin(s, ClassName)) return;
    delay_ = FileSection::ReadInteger(s);
    delayMode_ = FileSection::ReadInteger(s);
    deleteAfterDone_ = FileSection::ReadBoolean(s);
    description_ = FileSection::ReadString(s);
    finished_ = FileSection::ReadBoolean(s);
    nextStart_ = FileSection::ReadDate(s);
    from_ = FileSection::ReadInteger(s);
    identifier_ = FileSection::ReadString(s);
    lastStart_ = FileSection::ReadDate(s);
    status_ = FileSection::ReadInteger(s);
    moveToNextDay_ = FileSection::ReadBoolean(s);
    parameter_ = FileSection::ReadString(s);
    retry_ = FileSection::ReadInteger(s);
    retryMode_ = FileSection::ReadInteger(s);
    regularStart_ = FileSection::ReadDate(s);
    to_ = FileSection::ReadInteger(s);
    bool withRule = false;
    for (std::string next; FileSection::Peek(s, next) && next == CUnless::ClassName;) {
        unless_->Load(s);
        withRule = true;
    }
    FileSection::Require(s, withRule);
}

} // namespace Plent
