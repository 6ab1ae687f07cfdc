#pragma once
#include "RunnerInterface.h"
#include "RunnerSession.h"

namespace Plent {

class CPlentEngine;

// The runner's interface of the engine object. It lives inside the engine's
// automation object and counts its references there, so that both
// interfaces keep the one object alive.
class CPlentRunnerServer final : public Kalvor::_CPlentRunner {
public:
    CPlentRunnerServer(Platform::IUnknown& outer, CPlentEngine& engine) : outer_(outer), engine_(engine), session_(engine) {}
    CPlentRunnerServer(const CPlentRunnerServer&) = delete;
    CPlentRunnerServer& operator=(const CPlentRunnerServer&) = delete;
    ~CPlentRunnerServer() = default;

    Platform::HRESULT QueryInterface(const Platform::Guid& iid, void** ppv) override;
    uint32_t AddRef() override { return outer_.AddRef(); }
    uint32_t Release() override { return outer_.Release(); }

    Platform::HRESULT OpenEventFile(const std::string& sFile, std::vector<std::string>* srReport) override;
    Platform::HRESULT FollowEventFile(std::vector<std::string>* srReport) override;
    Platform::HRESULT BeginPoll() override;
    Platform::HRESULT EndPoll(std::vector<std::string>* srReport) override;
    Platform::HRESULT NextHandOut(Plent::HandOut* pHandOut, Platform::VARIANT_BOOL* pbAny) override;
    Platform::HRESULT RecordStarts(const std::vector<PendingStart>& starts) override;
    Platform::HRESULT PendingStarts(std::vector<PendingStart>* pStarts) override;
    Platform::HRESULT SaveState(std::vector<std::string>* srReport) override;
    Platform::HRESULT ShowListWindow() override;
    Platform::HRESULT HideListWindowOnClose() override;
    Platform::HRESULT Outlook(RunnerOutlook* pOutlook) override;

private:
    Platform::IUnknown& outer_;
    CPlentEngine& engine_;
    RunnerSession session_;
};

} // namespace Plent
