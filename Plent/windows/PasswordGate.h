#pragma once
#include <cstdint>
#include <string>

class QWidget;

namespace Plent {

// The password in front of the list window's guarded commands and its
// closing: asks until the entry matches exactly or the user cancels. An
// empty password lets everything pass without asking. There is no limit on
// attempts and no message about a wrong entry.
class PasswordGate {
public:
    // hMsg and iOffSet initialise the dialog's texts; parent owns it while
    // it is shown.
    static bool Check(const std::string& password, int32_t hMsg, int16_t iOffSet, QWidget* parent = nullptr);
};

} // namespace Plent
