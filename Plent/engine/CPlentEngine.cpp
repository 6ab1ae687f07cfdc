#include "CPlentEngine.h"

#include "EditorTransfer.h"
#include "EngineWindows.h"
#include "EventActivation.h"
#include "EventEditing.h"
#include "FixedDateTable.h"
#include "IntegerSum.h"
#include "NextStartRule.h"
#include "UnlessCheck.h"
#include "Plent/model/EventFile.h"
#include "Plent/msg/CMsg.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Plent {

CPlentEngine::CPlentEngine() : msg_(std::make_unique<CMsg>()) {}

// The event collection goes first, then the fixed-date table, then the
// message loader.
CPlentEngine::~CPlentEngine()
{
    plents_.reset();
    fixUnlesses_.reset();
    msg_.reset();
}

void CPlentEngine::Init(int32_t hMsg, int16_t iOffSet)
{
    hMsg_ = hMsg;
    msg_->setOffSet(iOffSet);
}

int16_t CPlentEngine::OffSet() const { return msg_->OffSet(); }

int16_t CPlentEngine::WindowOffSet(int16_t windowOffSet) const
{
    return IntegerSum(OffSet(), windowOffSet, "Kalvor.CPlentEngine");
}

std::string CPlentEngine::ActivEvent(std::string& srDescription, std::string& srParameter, bool& brAlarm)
{
    return EventActivation(*this).ActivEvent(srDescription, srParameter, brAlarm);
}

void CPlentEngine::Update(const std::string& sIdentifier) { EventEditing(*this).Update(sIdentifier); }

void CPlentEngine::Show(const std::string& sIdentifier) { EventEditing(*this).Show(sIdentifier); }

void CPlentEngine::Add(std::string& sBefore) { EventEditing(*this).Add(sBefore); }

// The window is registered before it is initialised and filled, so that
// the window finds itself registered from its first moment; a failure before
// it is shown takes the registration back, so that a later call can open a
// window again.
void CPlentEngine::ShowEvents(int16_t iStyle, bool bEdit, const std::string& sFile, const std::string& sPassword)
{
    if (showEvents_) return;
    if (iStyle != 0 && iStyle != 1) Platform::Raise(Platform::Err::InvalidArgument, "Kalvor.CPlentEngine");
    const int16_t offSet = WindowOffSet(ListWindowOffSet);
    Platform::ComPtr<IListWindow> window = EngineWindows::Get().NewListWindow();
    showEvents_ = window;
    try {
        window->Init(hMsg_, offSet);
        window->setEditAllowed(bEdit);
        window->setEventFile(sFile);
        window->setPassword(sPassword);
        window->setEngine(shared_from_this());
        window->FillList();
    } catch (...) {
        if (showEvents_ == window) showEvents_.reset();
        throw;
    }
    window->Show(iStyle);
}

void CPlentEngine::Remove(const std::string& sIdentifier)
{
    if (ExistEvent(sIdentifier)) Plents().Remove(sIdentifier);
}

void CPlentEngine::RemoveAll()
{
    while (Plents().Count() > 0) Plents().Remove(Plents().Item(1)->Identifier());
}

void CPlentEngine::SaveObjects(const std::string& sFile) { EventFile::Save(Plents(), sFile); }

void CPlentEngine::LoadObjects(const std::string& sFile) { EventFile::Load(Plents(), sFile); }

bool CPlentEngine::ExistEvent(const std::string& sIdentifier) { return Plents().Item(sIdentifier) != nullptr; }

colPlents& CPlentEngine::Plents()
{
    if (!plents_) plents_ = std::make_shared<colPlents>();
    return *plents_;
}

colFixUnless& CPlentEngine::FixUnlesses()
{
    if (!fixUnlesses_) fixUnlesses_ = std::make_shared<colFixUnless>();
    return *fixUnlesses_;
}

std::shared_ptr<CPlent> CPlentEngine::StartupEvent() { return EventActivation(*this).StartupEvent(); }

void CPlentEngine::ResetStartupEvents() { EventActivation(*this).ResetStartupEvents(); }

std::shared_ptr<CPlent> CPlentEngine::DueEvent(bool& alarm) { return EventActivation(*this).DueEvent(alarm); }

void CPlentEngine::CalcNextStart(CPlent& event) { NextStartRule(*this).advance(event); }

bool CPlentEngine::CheckUnless(const CPlent& event)
{
    return UnlessCheck(*this).holds(event, Platform::DateTime::fromDate(event.NextStart()));
}

int16_t CPlentEngine::LastDayOfMonth(Date date) { return UnlessCheck::LastDayOfMonth(date); }

bool CPlentEngine::UnlessFromTable(const std::string& sFile, Date date)
{
    return FixedDateTable(*this).contains(sFile, date);
}

void CPlentEngine::CollectionsToForm(const std::string& sIdentifier, IPlentForm& form)
{
    EditorTransfer(*this).CollectionsToForm(sIdentifier, form);
}

void CPlentEngine::FormToCollections(IPlentForm& form, const std::string& sBefore)
{
    EditorTransfer(*this).FormToCollections(form, sBefore);
}

std::shared_ptr<CPlent> CPlentEngine::NewPlent() { return std::make_shared<CPlent>(); }
std::shared_ptr<CMonth> CPlentEngine::NewMonth() { return std::make_shared<CMonth>(); }
std::shared_ptr<CDay> CPlentEngine::NewDay() { return std::make_shared<CDay>(); }
std::shared_ptr<CWeekDay> CPlentEngine::NewWeekDay() { return std::make_shared<CWeekDay>(); }
std::shared_ptr<CFixUnless> CPlentEngine::NewFixUnless() { return std::make_shared<CFixUnless>(); }

} // namespace Plent
