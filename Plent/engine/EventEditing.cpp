#include "EventEditing.h"

#include "CPlentEngine.h"
#include "EngineWindows.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/boxes/MessageBox.h"

namespace Plent {

namespace {

constexpr const char* AddFailedWhere = "CPlentEngine.Add.FormToCollections()";

// The identifier of the event after this one; "" for the last.
std::string identifierAfter(const colPlents& plents, const std::shared_ptr<CPlent>& event)
{
    for (int32_t position = 1; position < plents.Count(); ++position) {
        if (plents.Item(position) == event) return plents.Item(position + 1)->Identifier();
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
    form->setEngine(&engine_);
    for (;;) {
        form->ShowModal();
        if (!form->Confirmed()) return;
        try {
            engine_.FormToCollections(*form, before);
            return;
        } catch (const Platform::AutomationError&) {
            Platform::MessageBox::showError(engine_.errorReport().unexpected(AddFailedWhere));
        }
    }
}

void EventEditing::Update(const std::string& identifier)
{
    if (!engine_.ExistEvent(identifier)) return;
    const std::unique_ptr<IPlentForm> form = openEditor();
    engine_.CollectionsToForm(identifier, *form);
    form->SetEditable(true);
    form->ShowModal();
    if (form->Confirmed()) replace(identifier, *form);
}

// The event may have gone while the window was open (handed out and
// deleted); then the edited one is simply added.
void EventEditing::replace(const std::string& identifier, IPlentForm& form)
{
    colPlents& plents = engine_.Plents();
    const std::shared_ptr<CPlent> old = plents.Item(identifier);
    const std::string successor = identifierAfter(plents, old);
    engine_.Remove(identifier);
    try {
        engine_.FormToCollections(form, "");
    } catch (const Platform::AutomationError&) {
        if (old) putBack(old, successor);
        throw;
    }
}

// A failed transfer may have shown a message box, and while it was up the
// poll may have handed out and deleted the successor: the old event then
// goes to the end rather than being lost.
void EventEditing::putBack(const std::shared_ptr<CPlent>& old, const std::string& successor)
{
    colPlents& plents = engine_.Plents();
    plents.Add(old, old->Identifier(), plents.Item(successor) ? successor : "");
}

void EventEditing::Show(const std::string& identifier)
{
    if (!engine_.ExistEvent(identifier)) return;
    const std::unique_ptr<IPlentForm> form = openEditor();
    engine_.CollectionsToForm(identifier, *form);
    form->SetEditable(false);
    form->ShowModal();
}

} // namespace Plent
