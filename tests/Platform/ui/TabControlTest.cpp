#include <gtest/gtest.h>

#include "Platform/ui/TabControl.h"
#include "support/QtAppEnvironment.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

using Platform::TabControl;

namespace {

class TabControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.setObjectName("sstabPlent");
        tabs.addPage("one event at");
        retryBox = new QLineEdit(tabs.addPage("retry"));
        tabs.addPage("unless ...");
        tabs.resize(400, 300);
        tabs.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));
    }

    void clickTab(int index)
    {
        QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(index).center());
    }

    static int previousTab(const QSignalSpy& spy, int call) { return spy.at(call).at(0).toInt(); }

    TabControl tabs;
    QLineEdit* retryBox = nullptr;
};

TEST_F(TabControlTest, ClickingATabSwitchesAndReportsThePreviousTab)
{
    QSignalSpy clicked(&tabs, &TabControl::clicked);
    EXPECT_FALSE(retryBox->isVisible());

    clickTab(1);
    clickTab(1);
    clickTab(2);

    EXPECT_EQ(tabs.currentIndex(), 2);
    ASSERT_EQ(clicked.count(), 2); // clicking the current tab again is no switch
    EXPECT_EQ(previousTab(clicked, 0), 0);
    EXPECT_EQ(previousTab(clicked, 1), 1);
}

TEST_F(TabControlTest, TheUserCannotReachADisabledTab)
{
    tabs.setTabEnabled(2, false);
    QSignalSpy clicked(&tabs, &TabControl::clicked);

    clickTab(2);
    EXPECT_EQ(tabs.currentIndex(), 0);

    clickTab(1);
    QTest::keyClick(&tabs, Qt::Key_Tab, Qt::ControlModifier); // next tab skips the disabled one
    EXPECT_EQ(tabs.currentIndex(), 0);
    EXPECT_EQ(clicked.count(), 2);
}

TEST_F(TabControlTest, CodeMayShowADisabledTabWithItsControlsDisabled)
{
    tabs.setTabEnabled(1, false);
    QSignalSpy clicked(&tabs, &TabControl::clicked);

    tabs.setCurrentIndex(1);
    EXPECT_EQ(tabs.currentIndex(), 1);
    EXPECT_EQ(retryBox->parentWidget(), tabs.widget(1));
    EXPECT_TRUE(retryBox->isVisible());
    EXPECT_FALSE(retryBox->isEnabled());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(previousTab(clicked, 0), 0);

    clickTab(0); // the user can leave it again
    EXPECT_EQ(tabs.currentIndex(), 0);
    EXPECT_EQ(previousTab(clicked, 1), 1);

    tabs.setTabEnabled(1, true);
    EXPECT_TRUE(retryBox->isEnabled());
}

TEST_F(TabControlTest, SelectingATabThatDoesNotExistChangesNothing)
{
    QSignalSpy clicked(&tabs, &TabControl::clicked);
    tabs.setCurrentIndex(3);
    tabs.setCurrentIndex(-1);
    EXPECT_EQ(tabs.currentIndex(), 0);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(TabControlTest, DisablingTheCurrentTabMovesOnAndReportsIt)
{
    tabs.setCurrentIndex(2);
    QSignalSpy clicked(&tabs, &TabControl::clicked);

    tabs.setTabEnabled(2, false);

    EXPECT_NE(tabs.currentIndex(), 2);
    EXPECT_TRUE(tabs.isTabEnabled(tabs.currentIndex()));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(previousTab(clicked, 0), 2);
}

} // namespace
