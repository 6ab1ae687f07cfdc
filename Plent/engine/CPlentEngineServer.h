#pragma once
#include <memory>

#include "CPlentEngine.h"
#include "CPlentRunnerServer.h"
#include "CPlentStartServer.h"
#include "KalvorInterfaces.h"
#include "RunViewInterface.h"
#include "Platform/automation/ComObject.h"
#include "Platform/automation/DispatchTable.h"

namespace Plent {

// The automation object of the engine: the dual interface CPlentEngine over
// the engine, early bound through _CPlentEngine and late bound by name, the
// runner's interface _CPlentRunner, the run state shown through
// _CPlentRunView, and starts at once through _CPlentStartNow.
class CPlentEngineServer final : public Platform::ComObject<Kalvor::_CPlentEngine>,
                                 public Kalvor::_CPlentRunView {
public:
    CPlentEngineServer();
    ~CPlentEngineServer() override;

    CPlentEngine& engine() { return *engine_; }

    Kalvor::HRESULT Init(int32_t hMsg, int16_t iOffSet) override;
    Kalvor::HRESULT ActivEvent(std::string* srDescription, std::string* srParameter, Kalvor::VARIANT_BOOL* brAlarm,
                               std::string* result) override;
    Kalvor::HRESULT Update(const std::string& sIdentifier) override;
    Kalvor::HRESULT Show(const std::string& sIdentifier) override;
    Kalvor::HRESULT Add(std::string* sBefore) override;
    Kalvor::HRESULT ShowEvents(int16_t iStyle, Kalvor::VARIANT_BOOL bEdit, const std::string& sFile,
                               const std::string& sPassword) override;
    Kalvor::HRESULT Remove(const std::string& sIdentifier) override;
    Kalvor::HRESULT RemoveAll() override;
    Kalvor::HRESULT SaveObjects(const std::string& sFile) override;
    Kalvor::HRESULT LoadObjects(const std::string& sFile) override;
    Kalvor::HRESULT get_objShowEvents(Platform::IDispatch** result) override;
    Kalvor::HRESULT ExistEvent(const std::string& sIdentifier, Kalvor::VARIANT_BOOL* result) override;
    Kalvor::HRESULT get_UnlessTable(std::string* result) override;
    Kalvor::HRESULT put_UnlessTable(const std::string& value) override;

    Kalvor::HRESULT ShowRunState() override;

    // One object behind every interface.
    Kalvor::HRESULT QueryInterface(const Platform::Guid& iid, void** ppv) override
    {
        return ComObject::QueryInterface(iid, ppv);
    }
    uint32_t AddRef() override { return ComObject::AddRef(); }
    uint32_t Release() override { return ComObject::Release(); }

    Kalvor::HRESULT GetIDOfName(const std::string& name, Platform::DISPID* id) override;
    Kalvor::HRESULT Invoke(Platform::DISPID id, Platform::InvokeKind kind, std::vector<Platform::Variant>& args,
                           Platform::Variant* result) override;

protected:
    void* queryInterface(const Platform::Guid& iid) override;

private:
    void buildDispatchTable();

    std::shared_ptr<CPlentEngine> engine_;
    Platform::DispatchTable dispatch_;
    // The runner's interface of this object (see RunnerInterface.h).
    CPlentRunnerServer runner_;
    // Starting events at once (see StartNowInterface.h).
    CPlentStartServer startNow_;
};

} // namespace Plent
