#pragma once
#include <memory>

#include "EventDraft.h"
#include "Plent/model/CPlent.h"

namespace Plent {

// The values of an event as the editor shows them, and the new event that
// an editor's values make. The editor never touches an event: an edited
// event is always a new one, with the defaults of a new event in every
// member that the editor does not show.
class EditorTransfer {
public:
    // A mark outside the grids is an index error.
    static EventDraft draftOf(const CPlent& event);
    // A text that does not convert raises the conversion error, with the
    // source "CPlentEngine.FormToCollections".
    static std::shared_ptr<CPlent> eventOf(const EventDraft& draft);

private:
    static void marksOf(const CUnless& u, CalendarMarks& marks);
    static void dropWhatTheModeDoesNotUse(CPlent& e);
    static void unlessOf(const CalendarMarks& marks, CUnless& u);
};

} // namespace Plent
