// The password gate: asks again after a wrong entry until the entry matches
// exactly or the user cancels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ModalScript.h"
#include "Plent/windows/PasswordGate.h"
#include "support/QtAppEnvironment.h"

using Plent::PasswordGate;
using TestSupport::ModalScript;

namespace {

constexpr int32_t NoLanguage = -1;

ModalScript::Step enter(const QString& entry)
{
    return [entry](QWidget* modal) {
        auto* box = modal->findChild<QLineEdit*>("txtPassword");
        box->selectAll();
        QTest::keyClicks(box, entry);
        QTest::mouseClick(modal->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    };
}

ModalScript::Step cancel()
{
    return [](QWidget* modal) { QTest::mouseClick(modal->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton); };
}

bool check(ModalScript& script, const std::string& password)
{
    script.start();
    const bool passed = PasswordGate::Check(password, NoLanguage, 1300);
    EXPECT_TRUE(script.done()) << "the dialog came up fewer times than expected";
    return passed;
}

} // namespace

TEST(PasswordGate, AnEmptyPasswordPassesWithoutAsking)
{
    EXPECT_TRUE(PasswordGate::Check("", NoLanguage, 1300));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(PasswordGate, TheRightEntryPasses)
{
    ModalScript script;
    script.then(enter("Geheim"));
    EXPECT_TRUE(check(script, "Geheim"));
}

TEST(PasswordGate, AWrongEntryAsksAgainUntilItMatches)
{
    ModalScript script;
    script.then(enter("geheim")).then(enter("")).then(enter("Geheim"));
    EXPECT_TRUE(check(script, "Geheim")) << "letter case counts";
}

TEST(PasswordGate, CancelAfterAWrongEntryRefuses)
{
    ModalScript script;
    script.then(enter("falsch")).then(cancel());
    EXPECT_FALSE(check(script, "Geheim"));
}

TEST(PasswordGate, TheCloseBoxRefuses)
{
    ModalScript script;
    script.then([](QWidget* modal) { modal->close(); });
    EXPECT_FALSE(check(script, "Geheim"));
}

TEST(PasswordGate, ADialogTakenAlongByItsParentRefuses)
{
    auto* parent = new QWidget;
    ModalScript script;
    script.then([parent](QWidget*) { delete parent; });
    script.start();
    EXPECT_FALSE(PasswordGate::Check("Geheim", NoLanguage, 1300, parent));
    EXPECT_TRUE(script.done());
}
