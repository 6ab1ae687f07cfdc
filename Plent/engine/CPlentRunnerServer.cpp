#include "CPlentRunnerServer.h"

#include <utility>

#include "CPlentEngine.h"
#include "Platform/automation/ErrorInfo.h"

using Platform::Guarded;
using Platform::HRESULT;

namespace Plent {

namespace {
constexpr const char* Source = "Kalvor.CPlentRunner";
}

HRESULT CPlentRunnerServer::QueryInterface(const Platform::Guid& iid, void** ppv)
{
    if (!ppv) return Platform::E_POINTER;
    if (iid != Kalvor::IID__CPlentRunner) return outer_.QueryInterface(iid, ppv);
    *ppv = static_cast<Kalvor::_CPlentRunner*>(this);
    AddRef();
    return Platform::S_OK;
}

HRESULT CPlentRunnerServer::OpenEventFile(const std::string& sFile, std::vector<std::string>* srReport)
{
    if (!srReport) return Platform::E_POINTER;
    return Guarded(Source, [&] { session_.OpenEventFile(sFile, *srReport); });
}

HRESULT CPlentRunnerServer::FollowEventFile(std::vector<std::string>* srReport)
{
    if (!srReport) return Platform::E_POINTER;
    return Guarded(Source, [&] { session_.FollowEventFile(*srReport); });
}

HRESULT CPlentRunnerServer::BeginPoll()
{
    return Guarded(Source, [&] { session_.BeginPoll(); });
}

HRESULT CPlentRunnerServer::EndPoll(std::vector<std::string>* srReport)
{
    if (!srReport) return Platform::E_POINTER;
    return Guarded(Source, [&] { session_.EndPoll(*srReport); });
}

HRESULT CPlentRunnerServer::NextHandOut(HandOut* pHandOut, Platform::VARIANT_BOOL* pbAny)
{
    if (!pHandOut || !pbAny) return Platform::E_POINTER;
    return Guarded(Source, [&] {
        std::optional<HandOut> next = engine_.NextHandOut();
        *pbAny = Platform::ToVariantBool(next.has_value());
        *pHandOut = next ? std::move(*next) : HandOut{};
    });
}

HRESULT CPlentRunnerServer::RecordStarts(const std::vector<PendingStart>& starts)
{
    return Guarded(Source, [&] { session_.RecordStarts(starts); });
}

HRESULT CPlentRunnerServer::PendingStarts(std::vector<PendingStart>* pStarts)
{
    if (!pStarts) return Platform::E_POINTER;
    return Guarded(Source, [&] { *pStarts = session_.PendingStarts(); });
}

HRESULT CPlentRunnerServer::SaveState(std::vector<std::string>* srReport)
{
    if (!srReport) return Platform::E_POINTER;
    return Guarded(Source, [&] { session_.SaveState(*srReport); });
}

HRESULT CPlentRunnerServer::ShowListWindow()
{
    return Guarded(Source, [&] {
        if (const auto window = engine_.objShowEvents()) window->Show(0);
    });
}

HRESULT CPlentRunnerServer::HideListWindowOnClose()
{
    return Guarded(Source, [&] {
        if (const auto window = engine_.objShowEvents()) window->setHideOnClose(true);
    });
}

HRESULT CPlentRunnerServer::Outlook(RunnerOutlook* pOutlook)
{
    if (!pOutlook) return Platform::E_POINTER;
    return Guarded(Source, [&] { *pOutlook = RunnerOutlook::of(std::as_const(engine_).Plents()); });
}

} // namespace Plent
