#pragma once
#include "StartNowInterface.h"

namespace Plent {

class CPlentEngine;

// The engine object's interface for starting events at once. It lives
// inside the engine's automation object and counts its references there.
class CPlentStartServer final : public Kalvor::_CPlentStartNow {
public:
    CPlentStartServer(Platform::IUnknown& outer, CPlentEngine& engine) : outer_(outer), engine_(engine) {}
    CPlentStartServer(const CPlentStartServer&) = delete;
    CPlentStartServer& operator=(const CPlentStartServer&) = delete;
    ~CPlentStartServer() = default;

    Platform::HRESULT QueryInterface(const Platform::Guid& iid, void** ppv) override;
    uint32_t AddRef() override { return outer_.AddRef(); }
    uint32_t Release() override { return outer_.Release(); }

    Platform::HRESULT putref_Starter(Kalvor::_CPlentStarter* pStarter) override;
    Platform::HRESULT EventToStart(const std::string& sIdentifier, HandOut* pHandOut,
                                   Platform::VARIANT_BOOL* pbFound) override;

private:
    Platform::IUnknown& outer_;
    CPlentEngine& engine_;
};

} // namespace Plent
