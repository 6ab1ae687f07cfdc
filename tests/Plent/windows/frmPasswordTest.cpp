// The password dialog: its design, its texts from the language library, and
// how OK, Cancel, Escape and the close box end a modal showing.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "ModalScript.h"
#include "WindowTexts.h"
#include "Plent/windows/frmPassword.h"
#include "Platform/boxes/MessageBox.h"
#include "support/QtAppEnvironment.h"

using Plent::frmPassword;
using TestSupport::ModalScript;

namespace {

constexpr int32_t NoLanguage = -1;

QLineEdit* entryOf(QWidget* dialog) { return dialog->findChild<QLineEdit*>("txtPassword"); }
QPushButton* buttonOf(QWidget* dialog, const char* name) { return dialog->findChild<QPushButton*>(name); }

void typeAndClick(QWidget* dialog, const QString& entry, const char* button)
{
    QTest::keyClicks(entryOf(dialog), entry);
    QTest::mouseClick(buttonOf(dialog, button), Qt::LeftButton);
}

class PasswordDialog : public ::testing::Test {
protected:
    void SetUp() override { dialog.Init(NoLanguage, 1300); }

    // Shows the dialog modally while the script drives it.
    void showModal(ModalScript& script)
    {
        script.start();
        dialog.Show(Platform::ShowStyle::Modal);
        EXPECT_TRUE(script.done());
    }

    frmPassword dialog;
};

} // namespace

TEST_F(PasswordDialog, KeepsItsGermanDesignWithoutALanguageLibrary)
{
    EXPECT_EQ(dialog.windowTitle(), "Passwort");
    EXPECT_EQ(dialog.findChild<QLabel*>("lblPassword")->text(),
              QString::fromUtf8("Es wird überprüft, ob Sie überhaupt berechtigt sind, diese Funktion durchzuführen."));
    EXPECT_EQ(buttonOf(&dialog, "cmdOK")->text(), "OK");
    EXPECT_EQ(buttonOf(&dialog, "cmdCancel")->text(), "Abbrechen");
    EXPECT_EQ(dialog.size(), QSize(447, 103));
    EXPECT_EQ(entryOf(&dialog)->geometry(), QRect(24, 60, 213, 19));
    EXPECT_EQ(entryOf(&dialog)->echoMode(), QLineEdit::Password);
    EXPECT_EQ(entryOf(&dialog)->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, entryOf(&dialog)),
              '*');
    EXPECT_TRUE(buttonOf(&dialog, "cmdOK")->isDefault());
    EXPECT_FALSE(dialog.ExitFlag());
}

TEST(PasswordDialogTexts, ComeFromTheLanguageLibrary)
{
    const Plent::LanguageLibrary english = WindowTexts::libraryBeside("Pelmor.dll");
    ASSERT_GT(english.handle(), 0);
    frmPassword dialog;
    dialog.Init(english.handle(), 1300);
    EXPECT_EQ(dialog.windowTitle(), "Password");
    EXPECT_EQ(dialog.findChild<QLabel*>("lblPassword")->text(), "Enter password:");
    EXPECT_EQ(buttonOf(&dialog, "cmdOK")->text(), "OK");
    EXPECT_EQ(buttonOf(&dialog, "cmdCancel")->text(), "Cancel");
}

TEST_F(PasswordDialog, OkHidesTheDialogWithTheEntryKept)
{
    ModalScript script;
    script.then([](QWidget* modal) { typeAndClick(modal, "geheim", "cmdOK"); });
    showModal(script);
    EXPECT_TRUE(dialog.ExitFlag());
    EXPECT_EQ(dialog.Entry(), "geheim");
    EXPECT_TRUE(dialog.isLoaded());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(PasswordDialog, OkWithAnEmptyEntryStillConfirms)
{
    ModalScript script;
    script.then([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    showModal(script);
    EXPECT_TRUE(dialog.ExitFlag());
    EXPECT_EQ(dialog.Entry(), "");
}

TEST_F(PasswordDialog, CancelEscapeAndTheCloseBoxAllCancel)
{
    ModalScript script;
    script.then([](QWidget* modal) { typeAndClick(modal, "x", "cmdOK"); });
    showModal(script);
    ASSERT_TRUE(dialog.ExitFlag());

    const std::function<void(QWidget*)> cancels[] = {
        [](QWidget* modal) { typeAndClick(modal, "a", "cmdCancel"); },
        [](QWidget* modal) { QTest::keyClick(entryOf(modal), Qt::Key_Escape); },
        [](QWidget* modal) { modal->close(); },
    };
    for (const auto& cancel : cancels) {
        ModalScript again;
        again.then([](QWidget* modal) { typeAndClick(modal, "y", "cmdOK"); });
        showModal(again);
        ASSERT_TRUE(dialog.ExitFlag());
        ModalScript cancelling;
        cancelling.then(cancel);
        showModal(cancelling);
        EXPECT_FALSE(dialog.ExitFlag());
        EXPECT_TRUE(dialog.isLoaded()) << "only the caller unloads the dialog";
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(PasswordDialog, ShownAgainTheOldEntryIsSelectedSoTypingReplacesIt)
{
    ModalScript script;
    script.then([](QWidget* modal) { typeAndClick(modal, "falsch", "cmdOK"); });
    showModal(script);

    QString selectedOnShow;
    bool entryHadFocus = false;
    ModalScript again;
    again.then([&](QWidget* modal) {
        selectedOnShow = entryOf(modal)->selectedText();
        entryHadFocus = modal->focusWidget() == entryOf(modal);
        typeAndClick(modal, "richtig", "cmdOK");
    });
    showModal(again);
    EXPECT_EQ(selectedOnShow, "falsch");
    EXPECT_TRUE(entryHadFocus);
    EXPECT_EQ(dialog.Entry(), "richtig");
}

TEST_F(PasswordDialog, TheCallersUnloadPasses)
{
    EXPECT_TRUE(dialog.Unload());
    EXPECT_FALSE(dialog.isLoaded());
}
