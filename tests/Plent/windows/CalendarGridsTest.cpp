// Marking the unless days in the editor's calendar grids by mouse and key.
#include "EditorFixture.h"

namespace {

class CalendarGrids : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        form->selectOption("optRetryMode", 4); // offers tab 2
        clickTab(2);
    }
    void chooseMonth(int month) { clickCell(grid("msgMonth"), month); }
};

} // namespace

TEST_F(CalendarGrids, AClickTogglesOneCell)
{
    Grid* days = grid("msgDays");
    clickCell(days, 12);
    EXPECT_TRUE(form->DaySelected(12));
    EXPECT_TRUE(highlighted(days, 12));
    EXPECT_FALSE(highlighted(days, 11));
    clickCell(days, 12);
    EXPECT_FALSE(form->DaySelected(12));
    EXPECT_FALSE(highlighted(days, 12));
    EXPECT_EQ(days->cellBackColor(1, 3), days->palette().color(QPalette::Base));
}

TEST_F(CalendarGrids, ADraggedBlockMarksEveryCellAndNeverUnmarks)
{
    Grid* days = grid("msgDays");
    clickCell(days, 5);
    drag(days, 10, 1); // rows 0..1, columns 0..1: cells 1, 2, 9, 10
    for (int k : {1, 2, 5, 9, 10}) {
        EXPECT_TRUE(form->DaySelected(k)) << k;
        EXPECT_TRUE(highlighted(days, k)) << k;
    }
    for (int k : {3, 4, 6, 11}) EXPECT_FALSE(form->DaySelected(k)) << k;

    drag(days, 1, 10);
    EXPECT_TRUE(form->DaySelected(1)); // dragging again unmarks nothing
}

TEST_F(CalendarGrids, TheWeekDayGridMarksDaysAndTheTableRow)
{
    Grid* weekDays = grid("msgWeekDay");
    clickCell(weekDays, 7);
    clickCell(weekDays, 8);
    EXPECT_TRUE(form->WeekDaySelected(7));
    EXPECT_TRUE(form->WeekDaySelected(8));
    EXPECT_TRUE(highlighted(weekDays, 8));
}

TEST_F(CalendarGrids, EnterAndSpaceActOnTheDayGridsAnyCharacterOnTheMonthGrids)
{
    Grid* days = grid("msgDays");
    clickCell(days, 3);
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_FALSE(form->DaySelected(3));
    QTest::keyClick(days, Qt::Key_Space);
    EXPECT_TRUE(form->DaySelected(3));
    QTest::keyClick(days, Qt::Key_A);
    EXPECT_TRUE(form->DaySelected(3));
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_TRUE(form->DaySelected(4));

    Grid* weekDays = grid("msgWeekDay");
    clickCell(weekDays, 2);
    QTest::keyClick(weekDays, Qt::Key_Space);
    EXPECT_FALSE(form->WeekDaySelected(2));

    chooseMonth(3);
    Grid* monthDays = grid("msgMonthDay");
    clickCell(monthDays, 9);
    QTest::keyClick(monthDays, Qt::Key_A);
    EXPECT_FALSE(form->MonthDaySelected(3, 9));
    QTest::keyClick(monthDays, Qt::Key_B);
    EXPECT_TRUE(form->MonthDaySelected(3, 9));

    Grid* months = grid("msgMonth");
    QTest::keyClick(months, Qt::Key_Down); // to April
    QTest::keyClick(months, Qt::Key_X);
    EXPECT_FALSE(highlighted(monthDays, 9)); // April's days are shown
}

TEST_F(CalendarGrids, TheMonthGridChoosesExactlyOneMonthAndShowsItsDays)
{
    Grid* months = grid("msgMonth");
    Grid* monthDays = grid("msgMonthDay");
    form->setMonthDaySelected(5, 17, true);
    EXPECT_FALSE(monthDays->isEnabledTo(form.get()));

    chooseMonth(5);
    EXPECT_TRUE(monthDays->isEnabledTo(form.get()));
    EXPECT_TRUE(highlighted(months, 5));
    EXPECT_TRUE(highlighted(monthDays, 17));
    chooseMonth(6);
    EXPECT_FALSE(highlighted(months, 5));
    EXPECT_TRUE(highlighted(months, 6));
    EXPECT_FALSE(highlighted(monthDays, 17));

    clickCell(monthDays, 1);
    EXPECT_TRUE(form->MonthDaySelected(6, 1));
    EXPECT_FALSE(form->MonthDaySelected(5, 1));
}

TEST_F(CalendarGrids, FebruaryOffersItsLastDayInsteadOfThe30thAnd31st)
{
    Grid* monthDays = grid("msgMonthDay");
    chooseMonth(2);
    EXPECT_EQ(cellText(monthDays, 29), "29");
    EXPECT_TRUE(cellText(monthDays, 30).isEmpty());
    EXPECT_TRUE(cellText(monthDays, 31).isEmpty());
    EXPECT_EQ(cellText(monthDays, 32), "X");

    drag(monthDays, 25, 32);
    for (int k = 25; k <= 29; ++k) EXPECT_TRUE(form->MonthDaySelected(2, k)) << k;
    EXPECT_TRUE(form->MonthDaySelected(2, 32));
    for (int k : {30, 31}) {
        EXPECT_FALSE(form->MonthDaySelected(2, k)) << k;
        EXPECT_FALSE(highlighted(monthDays, k)) << k;
    }

    chooseMonth(3);
    EXPECT_EQ(cellText(monthDays, 30), "30");
    EXPECT_EQ(cellText(monthDays, 31), "31");
    EXPECT_TRUE(cellText(monthDays, 32).isEmpty());
    EXPECT_FALSE(highlighted(monthDays, 32));
}

TEST_F(CalendarGrids, OtherMonthsOfferThe31stButNoLastDay)
{
    Grid* monthDays = grid("msgMonthDay");
    chooseMonth(4);
    clickCell(monthDays, 32);
    EXPECT_FALSE(form->MonthDaySelected(4, 32));
    EXPECT_FALSE(highlighted(monthDays, 32));
    clickCell(monthDays, 31);
    EXPECT_TRUE(form->MonthDaySelected(4, 31));
}

TEST_F(CalendarGrids, BringingTheTabToTheFrontPaintsTheMarks)
{
    form->setDaySelected(32, true);
    form->setWeekDaySelected(1, true);
    EXPECT_FALSE(highlighted(grid("msgDays"), 32));
    clickTab(0);
    clickTab(2);
    EXPECT_TRUE(highlighted(grid("msgDays"), 32));
    EXPECT_TRUE(highlighted(grid("msgWeekDay"), 1));
    EXPECT_FALSE(highlighted(grid("msgWeekDay"), 2));
}

TEST_F(CalendarGrids, InViewModeTheMonthsCanBeBrowsedButNothingMarked)
{
    form->setMonthDaySelected(7, 4, true);
    form->SetEditable(false);
    chooseMonth(7);
    Grid* monthDays = grid("msgMonthDay");
    EXPECT_TRUE(highlighted(monthDays, 4));
    EXPECT_FALSE(monthDays->isEnabledTo(form.get()));
    clickCell(monthDays, 4);
    clickCell(grid("msgDays"), 1);
    EXPECT_TRUE(form->MonthDaySelected(7, 4));
    EXPECT_FALSE(form->DaySelected(1));
}

TEST_F(CalendarGrids, MarksKeepTheirIndexRules)
{
    EXPECT_THROW(form->DaySelected(33), Platform::AutomationError);
    EXPECT_THROW(form->setWeekDaySelected(9, true), Platform::AutomationError);
    EXPECT_THROW(form->MonthDaySelected(1, -1), Platform::AutomationError);
    EXPECT_NO_THROW(form->setDaySelected(0, true));
    form->setMonthDaySelected(13, 1, true); // no such month: nothing is written
    EXPECT_FALSE(form->MonthDaySelected(13, 1));
    EXPECT_FALSE(form->MonthDaySelected(0, 1));
}
