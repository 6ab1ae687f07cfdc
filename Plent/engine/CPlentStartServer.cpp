#include "CPlentStartServer.h"

#include <utility>

#include "CPlentEngine.h"
#include "Platform/automation/ErrorInfo.h"

namespace Plent {

namespace {
constexpr const char* Source = "Kalvor.CPlentStartNow";
}

Platform::HRESULT CPlentStartServer::QueryInterface(const Platform::Guid& iid, void** ppv)
{
    if (!ppv) return Platform::E_POINTER;
    if (iid != Kalvor::IID__CPlentStartNow) return outer_.QueryInterface(iid, ppv);
    *ppv = static_cast<Kalvor::_CPlentStartNow*>(this);
    AddRef();
    return Platform::S_OK;
}

Platform::HRESULT CPlentStartServer::putref_Starter(Kalvor::_CPlentStarter* pStarter)
{
    return Platform::Guarded(Source, [&] { engine_.setStarter(Platform::ComPtr<Kalvor::_CPlentStarter>(pStarter)); });
}

// A start by hand has no due start: the schedule did not ask for it.
Platform::HRESULT CPlentStartServer::EventToStart(const std::string& sIdentifier, HandOut* pHandOut,
                                                  Platform::VARIANT_BOOL* pbFound)
{
    if (!pHandOut || !pbFound) return Platform::E_POINTER;
    return Platform::Guarded(Source, [&] {
        const std::shared_ptr<CPlent> event = sIdentifier.empty() ? nullptr : std::as_const(engine_).Plents().Item(sIdentifier);
        *pbFound = Platform::ToVariantBool(event != nullptr);
        *pHandOut = event ? HandOut{event->Identifier(), event->Description(), event->Parameter()}
                          : HandOut{};
    });
}

} // namespace Plent
