#include "CPlentEngineServer.h"

#include "KalvorServerLock.h"
#include "Platform/automation/ErrorInfo.h"
#include "Platform/automation/LateBound.h"

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

// The late-bound members are the early-bound ones, called through their
// automation types, in interface order.
void CPlentEngineServer::buildDispatchTable()
{
    using Platform::DISPATCH_METHOD;
    using Platform::DISPATCH_PROPERTYGET;
    using Platform::DISPATCH_PROPERTYPUT;
    using Platform::LateBound;
    using As = LateBound::As;
    using E = Kalvor::_CPlentEngine;
    constexpr auto Result = LateBound::Result::Last, NoResult = LateBound::Result::None;
    E& e = *this;
    const auto add = [this](const char* name, Platform::InvokeKind kind, LateBound member) {
        dispatch_.add(name, kind, member.minArgs, member.maxArgs, std::move(member.handler));
    };
    add("Init", DISPATCH_METHOD, LateBound::of(e, &E::Init, {As::Long, As::Integer}));
    add("ActivEvent", DISPATCH_METHOD,
        LateBound::of(e, &E::ActivEvent, {As::String, As::String, As::Boolean, As::String}, Result));
    add("Update", DISPATCH_METHOD, LateBound::of(e, &E::Update, {As::String}));
    add("Show", DISPATCH_METHOD, LateBound::of(e, &E::Show, {As::String}));
    add("Add", DISPATCH_METHOD, LateBound::of(e, &E::Add, {As::String}, NoResult, {Variant()}));
    add("ShowEvents", DISPATCH_METHOD,
        LateBound::of(e, &E::ShowEvents, {As::Integer, As::Boolean, As::String, As::String}, NoResult,
                      {Variant::boolean(true), Variant(), Variant()}));
    add("Remove", DISPATCH_METHOD, LateBound::of(e, &E::Remove, {As::String}));
    add("RemoveAll", DISPATCH_METHOD, LateBound::of(e, &E::RemoveAll, {}));
    add("SaveObjects", DISPATCH_METHOD, LateBound::of(e, &E::SaveObjects, {As::String}));
    add("LoadObjects", DISPATCH_METHOD, LateBound::of(e, &E::LoadObjects, {As::String}));
    add("objShowEvents", DISPATCH_PROPERTYGET, LateBound::of(e, &E::get_objShowEvents, {As::Object}, Result));
    add("ExistEvent", DISPATCH_METHOD, LateBound::of(e, &E::ExistEvent, {As::String, As::Boolean}, Result));
    add("UnlessTable", DISPATCH_PROPERTYGET, LateBound::of(e, &E::get_UnlessTable, {As::String}, Result));
    add("UnlessTable", DISPATCH_PROPERTYPUT, LateBound::of(e, &E::put_UnlessTable, {As::String}));
}

} // namespace Plent
