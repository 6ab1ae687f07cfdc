// OK's checks: silent, in their order, each sending the user to the entry
// that failed.
#include "EditorFixture.h"

#include "Plent/engine/CPlentEngine.h"

namespace {

class frmPlentValidation : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        form->setText("txtIdentifier", "backup");
        form->selectOption("optRetryMode", 2); // every entry in use
    }

    // Presses OK and expects the window to stay, on the tab and with the
    // focus given, without a message.
    void expectRejected(int tab, const char* focus)
    {
        clickTab(tab == 0 ? 1 : 0);
        click(control("cmdOK"));
        EXPECT_FALSE(form->Confirmed());
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(tabs()->currentIndex(), tab);
        if (focus) {
            EXPECT_EQ(form->focusWidget(), control(focus)) << focus;
        }
        EXPECT_TRUE(boxes.empty());
    }
    void expectAccepted()
    {
        click(control("cmdOK"));
        EXPECT_TRUE(form->Confirmed());
        EXPECT_FALSE(form->isVisible());
    }

    void markAllMonthDays()
    {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= (month == 2 ? 29 : 31); ++day) form->setMonthDaySelected(month, day, true);
        }
    }
};

} // namespace

TEST_F(frmPlentValidation, ChecksRunInOrderAndTheFirstFailureDecides)
{
    form->setText("txtIdentifier", "   ");
    form->setText("txtFirstStartDate", "31.02.2024");
    form->setText("txtFrom", "25:00");
    form->setText("txtTo", "7");
    for (int row = 1; row <= 7; ++row) form->setWeekDaySelected(row, true);
    form->setDaySelected(32, true);
    form->setMonthDaySelected(2, 32, true);

    expectRejected(0, "txtIdentifier");
    form->setText("txtIdentifier", " x ");
    expectRejected(0, "txtFirstStartDate");
    form->setText("txtFirstStartDate", "29.02.2024");
    expectRejected(1, "txtFrom");
    form->setText("txtFrom", "23:59");
    expectRejected(1, "txtTo");
    form->setText("txtTo", "00:00");
    expectRejected(2, "msgWeekDay");
    form->setWeekDaySelected(3, false);
    expectRejected(2, "msgDays");
    form->setDaySelected(31, true);
    expectRejected(2, "msgMonth");
    form->setMonthDaySelected(2, 29, true);
    expectAccepted();
}

TEST_F(frmPlentValidation, AnIdentifierTheEngineHasIsRefusedInAddModeOnly)
{
    Plent::CPlentEngine engine;
    engine.Plents().Add(std::make_shared<Plent::CPlent>(), "Backup");
    form->setMode(Plent::EditorMode::Add, [&](const std::string& id) { return engine.ExistEvent(id); });
    expectRejected(0, "txtIdentifier");

    form->setText("txtIdentifier", "backup2");
    expectAccepted();

    open(); // edit mode: no engine, the identifier is the event's own
    form->setText("txtIdentifier", "backup");
    form->SetEditable(true);
    expectAccepted();
}

TEST_F(frmPlentValidation, TheFirstStartNeedsAValidDateAndTime)
{
    form->setText("txtFirstStartHour", "24:00");
    expectRejected(0, "txtFirstStartDate");
    form->setText("txtFirstStartHour", "23:59");
    form->setText("txtFirstStartDate", "15.13.2024");
    expectRejected(0, "txtFirstStartDate");
    form->setText("txtFirstStartDate", "2024-03-15");
    expectAccepted();
}

TEST_F(frmPlentValidation, SevenWeekDaysAreTooManyButTheTableRowDoesNotCount)
{
    for (int row = 1; row <= 8; ++row) form->setWeekDaySelected(row, true);
    expectRejected(2, "msgWeekDay");
    form->setWeekDaySelected(7, false);
    expectAccepted();
}

TEST_F(frmPlentValidation, EveryDayOrTheLastDayWithoutThe31stIsRefused)
{
    for (int day = 1; day <= 31; ++day) form->setDaySelected(day, true);
    expectRejected(2, "msgDays");
    form->setDaySelected(30, false);
    form->setDaySelected(31, false);
    form->setDaySelected(32, true);
    expectRejected(2, "msgDays");
    form->setDaySelected(31, true);
    expectAccepted();
}

TEST_F(frmPlentValidation, EveryDayOfEveryMonthOrFebruarysLastDayWithoutThe29thIsRefused)
{
    markAllMonthDays();
    expectRejected(2, "msgMonth");

    form->setMonthDaySelected(4, 31, false); // a day April does not have still counts as a gap
    expectAccepted();
}

TEST_F(frmPlentValidation, FebruarysLastDayNeedsThe29th)
{
    form->setMonthDaySelected(2, 32, true);
    expectRejected(2, "msgMonth");
    form->setMonthDaySelected(2, 29, true);
    expectAccepted();
}

TEST_F(frmPlentValidation, AnEntryTheModeHidesOrDisablesGetsItsTabButNotTheFocus)
{
    type("txtFrom", "25:00");
    chooseMode(4); // hides the time window
    expectRejected(1, nullptr);
    EXPECT_NE(form->focusWidget(), box("txtFrom"));

    form->setText("txtFrom", "00:00");
    for (int row = 1; row <= 7; ++row) form->setWeekDaySelected(row, true);
    chooseMode(1); // disables tab 2
    expectRejected(2, nullptr);
    EXPECT_FALSE(tabs()->widget(2)->isEnabled());
    EXPECT_NE(form->focusWidget(), grid("msgWeekDay"));
    EXPECT_TRUE(highlighted(grid("msgWeekDay"), 1)); // the marks are shown all the same
}
