#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "IPlentForm.h"
#include "Plent/model/CPlent.h"

namespace Plent {

class CPlentEngine;

// Copies between the event editor and the engine's events. The window never
// touches an event: an event is shown by writing its values into the
// window's controls and marks, and a confirmed window is turned into a new
// event, which then takes the place of whatever the window was opened for.
class EditorTransfer {
public:
    explicit EditorTransfer(CPlentEngine& engine) : engine_(engine) {}

    // Fills the window from the event with the identifier; writing runs the
    // controls' handlers as a user's change would.
    void CollectionsToForm(const std::string& identifier, IPlentForm& form) const;
    // Builds a new event from the window, adds it in front of the event
    // before ("" for the end) and computes its next start. Any failure
    // (an entry that does not convert, an identifier already present, an
    // unknown before, the next start) leaves the collection as it was and
    // raises the error's number again.
    void FormToCollections(IPlentForm& form, const std::string& before) const;

private:
    static void fieldsToForm(const CPlent& e, IPlentForm& form);
    static void unlessToForm(CUnless& u, IPlentForm& form);
    static std::shared_ptr<CPlent> eventFromForm(IPlentForm& form);
    static void dropWhatTheModeDoesNotUse(CPlent& e);
    static void unlessFromForm(IPlentForm& form, CUnless& u);
    void addToCollection(const std::shared_ptr<CPlent>& e, const std::string& identifier,
                         const std::string& before) const;

    CPlentEngine& engine_;
};

} // namespace Plent
