#include <gtest/gtest.h>

#include "Platform/ui/ReportList.h"
#include "Platform/ui/Twips.h"
#include "support/QtAppEnvironment.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using Platform::ReportList;

namespace {

QStringList event(int n)
{
    const QString id = QString("event%1").arg(n);
    return {id, "about " + id, "01.02.2024 08:30:00", "00:00:00", "still open"};
}

class ReportListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.setObjectName("lvwPlents");
        for (const char* h : {"identifier", "description", "next start", "last start", "last status"})
            list.addColumn(h);
        list.resize(600, 300);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    void fill(int rows)
    {
        QList<QStringList> all;
        for (int n = 0; n < rows; ++n) all.append(event(n));
        list.setRows(std::move(all));
    }

    QPoint centre(int row) const { return list.visualRect(list.model()->index(row, 0)).center(); }
    QPoint belowTheRows() const { return {centre(0).x(), list.viewport()->height() - 5}; }

    ReportList list;
};

TEST_F(ReportListTest, HeadersHaveTheirTextAndTheDefaultWidth)
{
    ASSERT_EQ(list.columnCount(), 5);
    EXPECT_EQ(list.headerText(0), "identifier");
    EXPECT_EQ(list.headerText(4), "last status");
    EXPECT_EQ(list.model()->headerData(2, Qt::Horizontal).toString(), "next start");
    for (int c = 0; c < 5; ++c) EXPECT_EQ(list.header()->sectionSize(c), Platform::Twips::toPixels(1440));
}

TEST_F(ReportListTest, RowsHoldAMainTextAndSubItemsInOrder)
{
    list.addRow(event(1));
    list.addRow({"short", "only a description"});

    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.text(0), "event1");
    EXPECT_EQ(list.subItem(0, 1), "about event1");
    EXPECT_EQ(list.subItem(0, 4), "still open");
    EXPECT_EQ(list.model()->index(0, 3).data().toString(), "00:00:00");
    EXPECT_EQ(list.subItem(1, 1), "only a description");
    EXPECT_TRUE(list.subItem(1, 2).isEmpty());
    EXPECT_TRUE(list.text(2).isEmpty());
}

TEST_F(ReportListTest, ARebuildReplacesEveryRow)
{
    fill(3);
    fill(3);
    EXPECT_EQ(list.rowCount(), 3);
    fill(2);
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.text(1), "event1");
    list.clear();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.columnCount(), 5);
}

TEST_F(ReportListTest, HitTestFindsTheRowAcrossItsWidthAndNothingBelow)
{
    fill(3);
    EXPECT_EQ(list.hitTest(centre(1)), 1);
    EXPECT_EQ(list.hitTest({list.viewport()->width() - 2, centre(2).y()}), 2); // past the last column
    EXPECT_EQ(list.hitTest(belowTheRows()), -1);
    list.clear();
    EXPECT_EQ(list.hitTest(centre(0)), -1);
}

TEST_F(ReportListTest, MousePressAndReleaseReportButtonAndPosition)
{
    fill(3);
    QSignalSpy pressed(&list, &ReportList::mousePressed);
    QSignalSpy released(&list, &ReportList::mouseReleased);

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre(2));
    QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::ShiftModifier, belowTheRows());

    ASSERT_EQ(pressed.count(), 2);
    ASSERT_EQ(released.count(), 2);
    EXPECT_EQ(pressed.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(list.hitTest(pressed.at(0).at(2).toPoint()), 2);
    EXPECT_EQ(released.at(1).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(released.at(1).at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(list.hitTest(released.at(1).at(2).toPoint()), -1);
}

TEST_F(ReportListTest, RowsFromASourceAreMadeOnceWhenTheyAreNextNeeded)
{
    int rows = 2;
    int made = 0;
    list.setRowSource([&] {
        ++made;
        QList<QStringList> all;
        for (int n = 0; n < rows; ++n) all.append(event(n));
        return all;
    });
    QSignalSpy resets(list.model(), &QAbstractItemModel::modelReset);
    for (int i = 0; i < 100; ++i) list.invalidateRows();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(made, 0);
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.text(1), "event1");
    EXPECT_EQ(made, 1);

    rows = 3;
    list.invalidateRows();
    QCoreApplication::processEvents();
    EXPECT_EQ(made, 2) << "the shown list asks for its rows";
    EXPECT_EQ(list.hitTest(centre(2)), 2);
    EXPECT_EQ(list.subItem(2, 1), "about event2");
    EXPECT_EQ(resets.count(), 2);
}

} // namespace
