#include "CPlentEngineServer.h"

#include "KalvorServerLock.h"
#include "Platform/automation/ErrorInfo.h"

using Platform::Guarded;
using Platform::HRESULT;
using Platform::Variant;
using Platform::VARIANT_BOOL;

namespace Plent {

namespace {
constexpr const char* Source = "Kalvor.CPlentEngine";
}

CPlentEngineServer::CPlentEngineServer()
    : ComObject(&Kalvor::ServerLock()), engine_(std::make_shared<CPlentEngine>())
    , runner_(static_cast<Kalvor::_CPlentEngine&>(*this), *engine_)
    , startNow_(static_cast<Kalvor::_CPlentEngine&>(*this), *engine_)
{
    buildDispatchTable();
}

CPlentEngineServer::~CPlentEngineServer() = default;

HRESULT CPlentEngineServer::Init(int32_t hMsg, int16_t iOffSet)
{
    return Guarded(Source, [&] { engine_->Init(hMsg, iOffSet); });
}

HRESULT CPlentEngineServer::ActivEvent(std::string* srDescription, std::string* srParameter, VARIANT_BOOL* brAlarm,
                                       std::string* result)
{
    if (!srDescription || !srParameter || !brAlarm || !result) return Platform::E_POINTER;
    return Guarded(Source, [&] {
        bool alarm = *brAlarm != 0;
        *result = engine_->ActivEvent(*srDescription, *srParameter, alarm);
        *brAlarm = Platform::ToVariantBool(alarm);
    });
}

HRESULT CPlentEngineServer::Update(const std::string& sIdentifier)
{
    return Guarded(Source, [&] { engine_->Update(sIdentifier); });
}

HRESULT CPlentEngineServer::Show(const std::string& sIdentifier)
{
    return Guarded(Source, [&] { engine_->Show(sIdentifier); });
}

HRESULT CPlentEngineServer::Add(std::string* sBefore)
{
    return Guarded(Source, [&] {
        std::string none;
        engine_->Add(sBefore ? *sBefore : none);
    });
}

HRESULT CPlentEngineServer::ShowEvents(int16_t iStyle, VARIANT_BOOL bEdit, const std::string& sFile,
                                       const std::string& sPassword)
{
    return Guarded(Source, [&] { engine_->ShowEvents(iStyle, bEdit != 0, sFile, sPassword); });
}

HRESULT CPlentEngineServer::Remove(const std::string& sIdentifier)
{
    return Guarded(Source, [&] { engine_->Remove(sIdentifier); });
}

HRESULT CPlentEngineServer::RemoveAll()
{
    return Guarded(Source, [&] { engine_->RemoveAll(); });
}

HRESULT CPlentEngineServer::SaveObjects(const std::string& sFile)
{
    return Guarded(Source, [&] { engine_->SaveObjects(sFile); });
}

HRESULT CPlentEngineServer::LoadObjects(const std::string& sFile)
{
    return Guarded(Source, [&] { engine_->LoadObjects(sFile); });
}

HRESULT CPlentEngineServer::get_objShowEvents(Platform::IDispatch** result)
{
    if (!result) return Platform::E_POINTER;
    *result = nullptr;
    if (auto window = engine_->objShowEvents()) {
        window->AddRef();
        *result = window.get();
    }
    return Platform::S_OK;
}

HRESULT CPlentEngineServer::ExistEvent(const std::string& sIdentifier, VARIANT_BOOL* result)
{
    if (!result) return Platform::E_POINTER;
    return Guarded(Source, [&] { *result = Platform::ToVariantBool(engine_->ExistEvent(sIdentifier)); });
}

HRESULT CPlentEngineServer::get_UnlessTable(std::string* result)
{
    if (!result) return Platform::E_POINTER;
    return Guarded(Source, [&] { *result = engine_->UnlessTable(); });
}

HRESULT CPlentEngineServer::put_UnlessTable(const std::string& value)
{
    return Guarded(Source, [&] { engine_->setUnlessTable(value); });
}

HRESULT CPlentEngineServer::ShowRunState()
{
    engine_->ShowRunState();
    return Platform::S_OK;
}

HRESULT CPlentEngineServer::GetIDOfName(const std::string& name, Platform::DISPID* id)
{
    return dispatch_.getIDOfName(name, id);
}

HRESULT CPlentEngineServer::Invoke(Platform::DISPID id, Platform::InvokeKind kind, std::vector<Variant>& args,
                                   Variant* result)
{
    return dispatch_.invoke(Source, id, kind, args, result);
}

void* CPlentEngineServer::queryInterface(const Platform::Guid& iid)
{
    if (iid == Kalvor::IID_CPlentEngine || iid == Platform::IID_IDispatch) return static_cast<Kalvor::_CPlentEngine*>(this);
    if (iid == Kalvor::IID__CPlentRunner) return static_cast<Kalvor::_CPlentRunner*>(&runner_);
    if (iid == Kalvor::IID__CPlentRunView) return static_cast<Kalvor::_CPlentRunView*>(this);
    if (iid == Kalvor::IID__CPlentStartNow) return static_cast<Kalvor::_CPlentStartNow*>(&startNow_);
    return ComObject::queryInterface(iid);
}

// The late-bound members call the same engine operations as the early-bound
// ones, in the same order, so both kinds of client see one interface.
void CPlentEngineServer::buildDispatchTable()
{
    using Platform::DISPATCH_METHOD;
    using Platform::DISPATCH_PROPERTYGET;
    using Platform::DISPATCH_PROPERTYPUT;
    using Args = std::vector<Variant>;
    auto& e = *engine_;
    dispatch_
        .add("Init", DISPATCH_METHOD, 2, 2, [&e](Args& a, Variant*) { e.Init(a[0].toLong(), a[1].toInteger()); })
        .add("ActivEvent", DISPATCH_METHOD, 3, 3,
             [&e](Args& a, Variant* r) {
                 std::string description = a[0].toString(), parameter = a[1].toString();
                 bool alarm = a[2].toBool();
                 *r = Variant::string(e.ActivEvent(description, parameter, alarm));
                 a[0] = Variant::string(description);
                 a[1] = Variant::string(parameter);
                 a[2] = Variant::boolean(alarm);
             })
        .add("Update", DISPATCH_METHOD, 1, 1, [&e](Args& a, Variant*) { e.Update(a[0].toString()); })
        .add("Show", DISPATCH_METHOD, 1, 1, [&e](Args& a, Variant*) { e.Show(a[0].toString()); })
        .add("Add", DISPATCH_METHOD, 0, 1,
             [&e](Args& a, Variant*) {
                 std::string before = a[0].toString();
                 e.Add(before);
                 if (!a[0].isEmpty()) a[0] = Variant::string(before);
             })
        .add("ShowEvents", DISPATCH_METHOD, 1, 4,
             [&e](Args& a, Variant*) {
                 e.ShowEvents(a[0].toInteger(), a[1].isEmpty() ? true : a[1].toBool(), a[2].toString(), a[3].toString());
             })
        .add("Remove", DISPATCH_METHOD, 1, 1, [&e](Args& a, Variant*) { e.Remove(a[0].toString()); })
        .add("RemoveAll", DISPATCH_METHOD, 0, 0, [&e](Args&, Variant*) { e.RemoveAll(); })
        .add("SaveObjects", DISPATCH_METHOD, 1, 1, [&e](Args& a, Variant*) { e.SaveObjects(a[0].toString()); })
        .add("LoadObjects", DISPATCH_METHOD, 1, 1, [&e](Args& a, Variant*) { e.LoadObjects(a[0].toString()); })
        .add("objShowEvents", DISPATCH_PROPERTYGET, 0, 0,
             [&e](Args&, Variant* r) { *r = Variant::object(Platform::ComPtr<Platform::IDispatch>(e.objShowEvents())); })
        .add("ExistEvent", DISPATCH_METHOD, 1, 1,
             [&e](Args& a, Variant* r) { *r = Variant::boolean(e.ExistEvent(a[0].toString())); })
        .add("UnlessTable", DISPATCH_PROPERTYGET, 0, 0, [&e](Args&, Variant* r) { *r = Variant::string(e.UnlessTable()); })
        .add("UnlessTable", DISPATCH_PROPERTYPUT, 1, 1, [&e](Args& a, Variant*) { e.setUnlessTable(a[0].toString()); });
}

} // namespace Plent
