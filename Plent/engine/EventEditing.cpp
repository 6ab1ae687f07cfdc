#include "EventEditing.h"

#include <utility>

#include "CPlentEngine.h"
#include "EngineWindows.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/boxes/MessageBox.h"

namespace Plent {

namespace {

constexpr const char* AddFailedWhere = "CPlentEngine.Add.FormToCollections()";

// Where an event stands in the list: its position and the identifier of the
// event after it ("" for the last); position 0 when it is not there.
struct Place {
    int32_t position = 0;
    std::string successor;
};

Place placeOf(const colPlents& plents, const std::shared_ptr<CPlent>& event)
{
    for (int32_t position = 1; position <= plents.Count(); ++position) {
        if (plents.Item(position) != event) continue;
        const auto next = plents.Item(position + 1);
        return {position, next ? next->Identifier() : std::string()};
    }
    return {};
}

} // namespace

// The offset is formed first, so that an overflow opens no window.
std::unique_ptr<IPlentForm> EventEditing::openEditor()
{
    const int16_t offSet = engine_.WindowOffSet(CPlentEngine::EditorWindowOffSet);
    std::unique_ptr<IPlentForm> form = EngineWindows::Get().NewPlentForm();
    form->Init(engine_.hMsg(), offSet);
    return form;
}

void EventEditing::Add(const std::string& before)
{
    const std::unique_ptr<IPlentForm> form = openEditor();
    const auto taken = [this](const std::string& id) { return engine_.ExistEvent(id); };
    EventDraft draft = form->Draft();
    while (const auto edited = form->Edit(draft, EditorMode::Add, taken)) {
        draft = *edited;
        try {
            engine_.FormToCollections(draft, before);
            return;
        } catch (const Platform::AutomationError&) {
            Platform::MessageBox::showError(engine_.errorReport().unexpected(AddFailedWhere));
        }
    }
}

void EventEditing::Update(const std::string& identifier)
{
    if (const auto edited = edit(identifier, EditorMode::Edit)) replace(identifier, *edited);
}

void EventEditing::Show(const std::string& identifier) { edit(identifier, EditorMode::View); }

std::optional<EventDraft> EventEditing::edit(const std::string& identifier, EditorMode mode)
{
    const auto event = std::as_const(engine_).Plents().Item(identifier);
    if (!event) return std::nullopt;
    const EventDraft draft = CPlentEngine::CollectionsToForm(*event);
    return openEditor()->Edit(draft, mode, {});
}

// While the window was open the poll may have handed out and deleted the
// event, or its successor, and a failed transfer may have shown a message
// box while the poll went on: the edited event is then simply added, and
// the old one goes back in front of its successor or else to the end.
void EventEditing::replace(const std::string& identifier, const EventDraft& draft)
{
    colPlents& plents = engine_.Plents();
    const std::shared_ptr<CPlent> old = plents.Item(identifier);
    const Place place = placeOf(plents, old);
    if (place.position != 0) plents.Remove(place.position);
    try {
        engine_.FormToCollections(draft, "");
    } catch (const Platform::AutomationError&) {
        if (place.position == 0) throw;
        plents.Add(old, old->Identifier(), plents.Item(place.successor) ? place.successor : "");
        throw;
    }
}

} // namespace Plent
