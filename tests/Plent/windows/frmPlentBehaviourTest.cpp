// How the editor's entries enable and show one another, and how the window
// closes.
#include "EditorFixture.h"

#include <QTimer>

namespace {

class frmPlentBehaviour : public EditorFixture {};

// What a repetition mode offers, in the order of its effects.
struct ModeEffects {
    int mode;
    bool deleteEnabled, timeWindowShown, countShown, moveEnabled, delayEnabled, startEnabled, unlessTab;
    const char* countUnit;
};

void PrintTo(const ModeEffects& e, std::ostream* os) { *os << "mode " << e.mode; }

class frmPlentModes : public EditorFixture, public ::testing::WithParamInterface<ModeEffects> {};

} // namespace

TEST_P(frmPlentModes, EachModeOffersItsEntries)
{
    const ModeEffects e = GetParam();
    type("txtDelay", "5");
    chooseMode(e.mode == 1 ? 2 : 1); // start from another mode
    chooseMode(e.mode);

    EXPECT_TRUE(option("optRetryMode", e.mode)->isChecked());
    EXPECT_EQ(check("chkDelete")->isEnabled(), e.deleteEnabled);
    EXPECT_EQ(control("fraFromTo")->isVisible(), e.timeWindowShown);
    EXPECT_EQ(control("fraRetry")->isVisible(), e.countShown);
    EXPECT_EQ(check("chkMove")->isEnabled(), e.moveEnabled);
    EXPECT_EQ(box("txtDelay")->isEnabled(), e.delayEnabled);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(option("optDelay", i)->isEnabled(), e.delayEnabled); // delay 5
    EXPECT_EQ(box("txtFirstStartDate")->isEnabled(), e.startEnabled);
    EXPECT_EQ(box("txtFirstStartHour")->isEnabled(), e.startEnabled);
    EXPECT_EQ(tabs()->isTabEnabled(2), e.unlessTab);
    EXPECT_EQ(control<QLabel>("lblRetry2")->text(), QString::fromUtf8(e.countUnit));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, frmPlentModes,
    ::testing::Values(ModeEffects{0, true, false, false, false, false, false, false, "Modus"},
                      ModeEffects{1, true, false, false, false, true, true, false, "Minuten"},
                      ModeEffects{2, false, true, true, true, true, true, true, "Minuten"},
                      ModeEffects{3, false, true, true, true, true, true, true, "Stunden"},
                      ModeEffects{4, false, false, true, true, true, true, true, "Tagen"},
                      ModeEffects{5, false, false, true, true, true, true, true, "Wochen"},
                      ModeEffects{6, false, false, true, true, true, true, true, "Monate"},
                      ModeEffects{7, false, false, true, true, true, true, true, "Jahre"}),
    [](const auto& info) { return "Mode" + std::to_string(info.param.mode); });

TEST_F(frmPlentBehaviour, ModesKeepWhatTheyDisableOrHide)
{
    chooseMode(2);
    type("txtRetry", "15");
    type("txtFrom", "08:00");
    clickTab(0);
    click(check("chkMove"));
    form->selectOption("optRetryMode", 1); // the user could not: chkMove excludes it
    EXPECT_TRUE(check("chkMove")->isChecked());
    EXPECT_FALSE(check("chkMove")->isEnabled());
    EXPECT_EQ(box("txtRetry")->text(), "15");
    EXPECT_EQ(box("txtFrom")->text(), "08:00");
}

TEST_F(frmPlentBehaviour, DeleteAfterDoneExcludesTheRepeatingModes)
{
    click(check("chkDelete"));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(option("optRetryMode", i)->isEnabled(), i < 2) << i;
    click(check("chkDelete"));
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(option("optRetryMode", i)->isEnabled()) << i;
}

TEST_F(frmPlentBehaviour, MoveToNextDayExcludesTheOneTimeModes)
{
    chooseMode(4);
    clickTab(0);
    click(check("chkMove"));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(option("optRetryMode", i)->isEnabled(), i >= 2) << i;
    click(check("chkMove"));
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(option("optRetryMode", i)->isEnabled()) << i;
}

TEST_F(frmPlentBehaviour, OnlyANonZeroDelayOffersTheDelayPolicies)
{
    const auto policiesEnabled = [this] {
        const bool on = option("optDelay", 0)->isEnabled();
        EXPECT_EQ(option("optDelay", 1)->isEnabled(), on);
        EXPECT_EQ(option("optDelay", 2)->isEnabled(), on);
        return on;
    };
    for (const char* typed : {"5", "-5", "1.000"}) {
        type("txtDelay", typed);
        EXPECT_TRUE(policiesEnabled()) << typed;
        EXPECT_EQ(box("txtDelay")->text(), typed);
    }
    for (const char* typed : {"0", "", "x", "40000"}) {
        type("txtDelay", "5");
        type("txtDelay", typed);
        EXPECT_FALSE(policiesEnabled()) << typed;
        EXPECT_EQ(box("txtDelay")->text(), typed);
    }
}

TEST_F(frmPlentBehaviour, TheRepetitionCountNeverStaysZero)
{
    chooseMode(2);
    for (const char* typed : {"", "0", "40000", "z"}) {
        type("txtRetry", typed);
        EXPECT_EQ(box("txtRetry")->text(), "1") << typed;
    }
    form->setText("txtRetry", "-3");
    EXPECT_EQ(box("txtRetry")->text(), "-3");
}

TEST_F(frmPlentBehaviour, CodeRunsTheHandlersOnlyOnARealChange)
{
    form->setText("txtDelay", "7");
    EXPECT_TRUE(option("optDelay", 1)->isEnabled());
    form->selectOption("optRetryMode", 0); // "once by start" disables the policies
    EXPECT_FALSE(option("optDelay", 1)->isEnabled());
    form->setText("txtDelay", "7"); // no change: nothing runs
    EXPECT_FALSE(option("optDelay", 1)->isEnabled());

    form->setCheckValue("chkDelete", 1);
    EXPECT_FALSE(option("optRetryMode", 4)->isEnabled());
    EXPECT_EQ(form->CheckValue("chkDelete"), 1);
    EXPECT_EQ(form->SelectedOption("optRetryMode"), 0);
    form->setText("txtRetry", "0");
    EXPECT_EQ(form->Text("txtRetry"), "1");
}

TEST_F(frmPlentBehaviour, AnOptionOutsideItsArrayIsAnIndexError)
{
    for (auto option : {&Plent::EventDraft::retryMode, &Plent::EventDraft::delayMode}) {
        Plent::EventDraft draft = form->Draft();
        draft.*option = option == &Plent::EventDraft::retryMode ? 8 : -2;
        EXPECT_THROW(form->setDraft(draft), Platform::AutomationError);
    }
}

TEST_F(frmPlentBehaviour, CancelAndTheCloseBoxHideUnconfirmed)
{
    QTimer::singleShot(0, [this] { click(control("cmdCancel")); });
    form->ShowModal();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Confirmed());

    QTimer::singleShot(0, [this] { form->close(); });
    form->ShowModal();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Confirmed());
    EXPECT_TRUE(form->isLoaded()); // hidden, not unloaded
}

TEST_F(frmPlentBehaviour, OkHidesConfirmedAndTheWindowCanBeShownAgain)
{
    form->setText("txtIdentifier", "backup");
    QTimer::singleShot(0, [this] { click(control("cmdOK")); });
    form->ShowModal();
    EXPECT_TRUE(form->Confirmed());
    EXPECT_FALSE(form->isVisible());

    QTimer::singleShot(0, [this] { click(control("cmdCancel")); });
    form->ShowModal();
    EXPECT_FALSE(form->Confirmed());
    EXPECT_EQ(form->Text("txtIdentifier"), "backup");
}

TEST_F(frmPlentBehaviour, NeitherEnterNorEscapePressesAButton)
{
    form->setText("txtIdentifier", "x");
    QTest::keyClick(box("txtIdentifier"), Qt::Key_Return);
    QTest::keyClick(box("txtIdentifier"), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->Confirmed());
}

TEST_F(frmPlentBehaviour, EditModeLocksOnlyTheIdentifier)
{
    form->SetEditable(true);
    EXPECT_TRUE(form->Editable());
    EXPECT_TRUE(box("txtIdentifier")->isReadOnly());
    EXPECT_FALSE(box("txtParameter")->isReadOnly());
    EXPECT_TRUE(control("cmdOK")->isEnabled());
    EXPECT_TRUE(check("chkMove")->isEnabled()); // every check box, whatever the mode
    EXPECT_TRUE(option("optDelay", 2)->isEnabled());
    EXPECT_FALSE(grid("msgMonthDay")->isEnabledTo(form.get()));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Event hinzufügen"));
}

TEST_F(frmPlentBehaviour, ViewModeIsReadOnlyButTabsAndMonthsCanBeBrowsed)
{
    form->selectOption("optRetryMode", 4);
    form->SetEditable(false);
    EXPECT_FALSE(form->Editable());
    EXPECT_EQ(form->windowTitle(), "Event anzeigen");
    EXPECT_FALSE(control("cmdOK")->isEnabled());
    EXPECT_TRUE(control("cmdCancel")->isEnabled());
    for (const char* name : {"txtIdentifier", "txtParameter", "txtDelay", "txtRetry", "txtFrom"})
        EXPECT_TRUE(box(name)->isReadOnly()) << name;
    for (const char* name : {"chkDelete", "chkMove"}) EXPECT_FALSE(check(name)->isEnabled()) << name;
    for (int i = 0; i < 8; ++i) EXPECT_FALSE(option("optRetryMode", i)->isEnabled());
    for (const char* name : {"msgDays", "msgWeekDay", "msgMonthDay"})
        EXPECT_FALSE(grid(name)->isEnabledTo(form.get())) << name;
    EXPECT_TRUE(grid("msgMonth")->isEnabledTo(form.get()));

    clickTab(2);
    EXPECT_EQ(tabs()->currentIndex(), 2);
    clickTab(1);
    EXPECT_EQ(tabs()->currentIndex(), 1);
}

TEST_F(frmPlentBehaviour, ACaptionMissingFromTheLibraryIsAnnouncedOnce)
{
    form = std::make_unique<ProbedEditor>();
    form->Init(0, 1100); // no string source: every lookup fails
    boxes.clear();
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->repaint();
    form->repaint();
    EXPECT_TRUE(boxes.empty());
    form->SetEditable(false);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Message 1157 not found!");
    EXPECT_EQ(form->windowTitle(), "Event anzeigen");
}

TEST_F(frmPlentBehaviour, OpensCentredOverTheActiveWindow)
{
    QWidget owner;
    owner.setGeometry(50, 40, 700, 500); // room on the offscreen screen for the dialog centred over it
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    QApplication::setActiveWindow(&owner);
    form->Hide();

    QPoint centre;
    QTimer::singleShot(0, [&] {
        centre = form->frameGeometry().center();
        form->close();
    });
    form->ShowModal();
    EXPECT_LE((centre - owner.frameGeometry().center()).manhattanLength(), 2);
    EXPECT_EQ(form->windowHandle()->transientParent(), owner.windowHandle());
}
