#pragma once
#include "Plent/model/colPlents.h"

namespace Platform {
class ReportList;
}

namespace Plent {

class PlentRowTexts;

// The widths the event list's columns start with, so that what they hold
// shows whole: the longest identifier (up to a cap), any date in the
// locale's general date form, and every status text. The description keeps
// the default width; the user may resize every column afterwards.
class ListColumnWidths {
public:
    static constexpr int IdentifierCap = 40; // average characters

    static void fit(Platform::ReportList& list, const colPlents& plents, const PlentRowTexts& texts);
};

} // namespace Plent
