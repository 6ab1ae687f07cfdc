#pragma once
#include <string>

#include "Arguments.h"
#include "Plent/engine/EditorChecks.h"
#include "Plent/engine/EventDraft.h"

namespace Ctl {

// The options of 'pelmorctl add' written into the editor's values, as a user
// would fill in the editor. Values the editor would not let through (a
// number out of range, a repetition the check boxes exclude, a time window
// on a daily event) fail with bad input naming the option.
class AddDraft {
public:
    static void fill(const Arguments& args, Plent::EventDraft& draft);
    // What a failed check of the editor refuses, naming the option.
    static std::string refusal(Plent::EditorEntry entry);

private:
    static int repetition(const Arguments& args, Plent::EventDraft& draft);
    static void start(const Arguments& args, int mode, Plent::EventDraft& draft);
    static void window(const Arguments& args, int mode, Plent::EventDraft& draft);
    static void delay(const Arguments& args, int mode, Plent::EventDraft& draft);
    static void flags(const Arguments& args, int mode, Plent::EventDraft& draft);
    static void except(const std::string& list, Plent::EventDraft& draft);
};

} // namespace Ctl
