#pragma once
#include <QDialog>

#include <cstdint>
#include <memory>
#include <string>

#include "Platform/ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace Plent {

class CMsg;

// The password question in front of the list window's guarded commands. The
// dialog knows no password: it collects an entry and tells whether the user
// confirmed it (ExitFlag). OK, Cancel and the close box only hide it, so the
// caller can show it again with the entry still in it, and unloads it when
// done.
class frmPassword : public Platform::Form<QDialog> {
    Q_OBJECT

public:
    // Form_Load.
    explicit frmPassword(QWidget* parent = nullptr);
    ~frmPassword() override;

    void Init(int32_t hMsg, int16_t iOffSet);
    // True after OK; false when created, after Cancel and after the close box.
    bool ExitFlag() const { return exitFlag_; }
    // The text of txtPassword.
    std::string Entry() const;

    // Escape.
    void reject() override;

protected:
    void Form_QueryUnload(bool& Cancel, Platform::UnloadMode mode) override;
    void Form_Unload() override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void Form_Paint();
    void cmdOK_Click();
    void cmdCancel_Click();

    std::unique_ptr<CMsg> Msg;
    int32_t hMsg_ = 0;
    bool exitFlag_ = false;
    QLabel* lblPassword;
    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace Plent
