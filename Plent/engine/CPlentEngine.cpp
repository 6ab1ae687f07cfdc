#include "CPlentEngine.h"

#include "EditorTransfer.h"
#include "EngineWindows.h"
#include "EventEditing.h"
#include "IntegerSum.h"
#include "Plent/msg/CMsg.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/dates/Clock.h"
#include "Platform/locale/LocaleDates.h"
#include "Platform/boxes/MessageBox.h"

namespace Plent {

CPlentEngine::CPlentEngine() : msg_(std::make_unique<CMsg>()), schedule_(&Platform::LocaleDates::parseDate) {}

CPlentEngine::~CPlentEngine() = default;

template <class Rule>
auto CPlentEngine::announcingTableFailure(Rule rule)
{
    try {
        return rule();
    } catch (const Platform::AutomationError& e) {
        if (e.source() == FixedDateTable::Source)
            Platform::MessageBox::showError(errorReport().unexpected(FixedDateTable::Source));
        throw;
    }
}

void CPlentEngine::Init(int32_t hMsg, int16_t iOffSet)
{
    hMsg_ = hMsg;
    msg_->setOffSet(iOffSet);
}

int16_t CPlentEngine::OffSet() const { return msg_->OffSet(); }

// The reports' texts are the first of the engine's own.
Platform::ErrorReport CPlentEngine::errorReport() const
{
    return Platform::ErrorReport(hMsg_, static_cast<unsigned>(OffSet()));
}

int16_t CPlentEngine::WindowOffSet(int16_t windowOffSet) const
{
    return IntegerSum(OffSet(), windowOffSet, "Kalvor.CPlentEngine");
}

std::string CPlentEngine::ActivEvent(std::string& srDescription, std::string& srParameter, bool& brAlarm)
{
    const Platform::DateTime now = Platform::Clock::now();
    const Schedule::HandOut handOut = announcingTableFailure([&] { return schedule_.activate(now); });
    srDescription = handOut.description;
    srParameter = handOut.parameter;
    brAlarm = handOut.alarm;
    if (handOut.identifier.empty()) return {};
    handedOut();
    return handOut.identifier;
}

std::optional<HandOut> CPlentEngine::NextHandOut()
{
    std::optional<HandOut> handOut = schedule_.nextHandOut(Platform::Clock::now());
    if (handOut && !handOut->isHeld()) handedOut();
    return handOut;
}

void CPlentEngine::handedOut()
{
    if (const auto window = objShowEvents()) window->FillList();
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

void CPlentEngine::SaveObjects(const std::string& sFile)
{
    if (!shownRunState_) return schedule_.save(sFile);
    shownRunState_->save(Plents(), [&] { schedule_.save(sFile); });
}

// What the load found out of place is shown once it has ended, also when it
// failed.
void CPlentEngine::LoadObjects(const std::string& sFile)
{
    std::vector<std::string> notices;
    const auto showNotices = [&notices] {
        for (const auto& text : notices) Platform::MessageBox::show(text);
    };
    try {
        schedule_.load(sFile, notices);
    } catch (...) {
        showNotices();
        throw;
    }
    loadedFile_ = sFile;
    showNotices();
    if (shownRunState_) mergeRunState(sFile);
}

// A state that cannot be read leaves the events as the file holds them.
void CPlentEngine::mergeRunState(const std::string& sFile)
{
    try {
        shownRunState_->load(Plents(), sFile, Platform::Clock::now().toDate());
    } catch (const Platform::AutomationError& e) {
        Platform::MessageBox::showError(errorReport().of(e));
    }
}

bool CPlentEngine::ExistEvent(const std::string& sIdentifier) const { return Plents().Item(sIdentifier) != nullptr; }

void CPlentEngine::CalcNextStart(CPlent& event)
{
    const Platform::DateTime now = Platform::Clock::now();
    announcingTableFailure([&] { schedule_.calcNextStart(event, now); });
}

EventDraft CPlentEngine::CollectionsToForm(const CPlent& event) { return EditorTransfer::draftOf(event); }

// The event is taken back out when its next start cannot be computed, so
// that a failure never leaves a half-made event in the list.
void CPlentEngine::FormToCollections(const EventDraft& draft, const std::string& sBefore)
{
    const std::shared_ptr<CPlent> e = EditorTransfer::eventOf(draft);
    try {
        Plents().Add(e, draft.identifier, sBefore);
        try {
            CalcNextStart(*e);
        } catch (...) {
            Plents().Remove(draft.identifier);
            throw;
        }
    } catch (const Platform::AutomationError& error) {
        throw Platform::AutomationError(error.number(), "CPlentEngine.FormToCollections");
    }
}

std::shared_ptr<CPlent> CPlentEngine::NewPlent() { return std::make_shared<CPlent>(); }
std::shared_ptr<CMonth> CPlentEngine::NewMonth() { return std::make_shared<CMonth>(); }
std::shared_ptr<CDay> CPlentEngine::NewDay() { return std::make_shared<CDay>(); }
std::shared_ptr<CWeekDay> CPlentEngine::NewWeekDay() { return std::make_shared<CWeekDay>(); }

} // namespace Plent
