#include "PasswordGate.h"

#include <QPointer>

#include "frmPassword.h"

namespace Plent {

namespace {

// Shows the dialog until the entry matches or the user cancels. The parent
// may go while the dialog is up and take the dialog along: that counts as
// cancelled.
bool ask(const QPointer<frmPassword>& dialog, const std::string& password)
{
    for (;;) {
        dialog->Show(Platform::ShowStyle::Modal);
        if (!dialog || !dialog->ExitFlag()) return false;
        if (dialog->Entry() == password) return true;
    }
}

} // namespace

bool PasswordGate::Check(const std::string& password, int32_t hMsg, int16_t iOffSet, QWidget* parent)
{
    if (password.empty()) return true;
    QPointer<frmPassword> dialog = new frmPassword(parent);
    dialog->Init(hMsg, iOffSet);
    const bool passed = ask(dialog, password);
    if (dialog) {
        dialog->Unload();
        delete dialog;
    }
    return passed;
}

} // namespace Plent
