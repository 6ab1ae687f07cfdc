#pragma once
#include <string>

#include "Arguments.h"
#include "Plent/engine/DraftForm.h"

namespace Ctl {

// The options of 'pelmorctl add' written into the editor's values, as a user
// would fill in the editor. Values the editor would not let through (a
// number out of range, a repetition the check boxes exclude, a time window
// on a daily event) fail with bad input naming the option.
class AddDraft {
public:
    static void fill(const Arguments& args, Plent::DraftForm& form);
    // What a failed check of the editor refuses, naming the option.
    static std::string refusal(const char* control);

private:
    static int repetition(const Arguments& args, Plent::DraftForm& form);
    static void start(const Arguments& args, int mode, Plent::DraftForm& form);
    static void window(const Arguments& args, int mode, Plent::DraftForm& form);
    static void delay(const Arguments& args, int mode, Plent::DraftForm& form);
    static void flags(const Arguments& args, int mode, Plent::DraftForm& form);
    static void except(const std::string& list, Plent::DraftForm& form);
};

} // namespace Ctl
