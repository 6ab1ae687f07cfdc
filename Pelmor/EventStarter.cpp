#include "EventStarter.h"

#include "Platform/automation/ErrorInfo.h"

Platform::HRESULT EventStarter::StartNow(const std::string& sIdentifier, int16_t* piAnswer, std::string* srDetail)
{
    if (!piAnswer || !srDetail) return Platform::E_POINTER;
    return Platform::Guarded("Pelmor.EventStarter", [&] {
        srDetail->clear();
        *piAnswer = start_ ? start_(sIdentifier, *srDetail) : Kalvor::NoRunner;
    });
}

void* EventStarter::queryInterface(const Platform::Guid& iid)
{
    if (iid == Kalvor::IID__CPlentStarter) return static_cast<Kalvor::_CPlentStarter*>(this);
    return ComObject::queryInterface(iid);
}
