#include "frmPassword.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Plent/msg/CMsg.h"
#include "Platform/ui/Twips.h"
#include "Platform/ui/UiProperties.h"

using Platform::Twips;
using Platform::UiProperties;

namespace Plent {

namespace {

// Places a control by its design position and size in twips.
void place(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
                         Twips::toPixels(height));
}

} // namespace

frmPassword::frmPassword(QWidget* parent)
    : Form(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      Msg(std::make_unique<CMsg>())
{
    setObjectName("frmPassword");
    setWindowTitle(QString::fromUtf8("Passwort"));
    UiProperties::setTag(this, "MsgNr=0");
    setFixedSize(Twips::toPixels(6705), Twips::toPixels(1545));
    createControls();
}

frmPassword::~frmPassword() = default;

void frmPassword::createControls()
{
    lblPassword = new QLabel(
        QString::fromUtf8("Es wird überprüft, ob Sie überhaupt berechtigt sind, diese Funktion durchzuführen."), this);
    lblPassword->setObjectName("lblPassword");
    lblPassword->setWordWrap(true);
    lblPassword->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    UiProperties::setTag(lblPassword, "MsgNr=1");
    place(lblPassword, 240, 180, 4815, 435);

    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName("txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet("lineedit-password-character: 42;");
    txtPassword->setFont(QFont("MS Sans Serif"));
    place(txtPassword, 360, 900, 3195, 285);

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    UiProperties::setTag(cmdOK, "MsgNr=2");
    place(cmdOK, 5340, 180, 1095, 435);
    connect(cmdOK, &QPushButton::clicked, this, &frmPassword::cmdOK_Click);

    cmdCancel = new QPushButton("Abbrechen", this);
    cmdCancel->setObjectName("cmdCancel");
    UiProperties::setTag(cmdCancel, "MsgNr=3");
    place(cmdCancel, 5340, 840, 1095, 435);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPassword::cmdCancel_Click);

    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
}

void frmPassword::Init(int32_t hMsg, int16_t iOffSet)
{
    Msg->setOffSet(iOffSet);
    hMsg_ = hMsg;
    Msg->SetAll(hMsg_, this);
}

std::string frmPassword::Entry() const { return txtPassword->text().toStdString(); }

void frmPassword::reject() { cmdCancel_Click(); }

// The dialog is painted anew each time it is shown. Later repaints (while
// the user types) must not select the entry again, so this runs once per
// showing.
void frmPassword::showEvent(QShowEvent* event)
{
    Form::showEvent(event);
    Form_Paint();
}

// Typing replaces the previous entry.
void frmPassword::Form_Paint()
{
    txtPassword->setFocus();
    txtPassword->selectAll();
}

void frmPassword::cmdOK_Click()
{
    exitFlag_ = true;
    Hide();
}

void frmPassword::cmdCancel_Click()
{
    exitFlag_ = false;
    Hide();
}

// The close box acts like Cancel; the caller's own unload passes. The
// system's close cancels too, and unloads the dialog.
void frmPassword::Form_QueryUnload(bool& Cancel, Platform::UnloadMode mode)
{
    if (mode == Platform::UnloadMode::FormCode) return;
    cmdCancel_Click();
    Cancel = mode == Platform::UnloadMode::FormControlMenu;
}

void frmPassword::Form_Unload() { Msg.reset(); }

} // namespace Plent
