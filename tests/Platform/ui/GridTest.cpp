#include <gtest/gtest.h>

#include "Platform/ui/Grid.h"
#include "Platform/ui/Twips.h"
#include "support/QtAppEnvironment.h"

#include <QSignalSpy>
#include <QTest>

#include <cstdlib>

using Platform::Grid;
using Platform::Twips;

namespace {

// Shaped like the editor's day grids: 4 rows of 8 narrow columns.
class GridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.setObjectName("msgDays");
        grid.setRowCount(4);
        grid.setColumnCount(8);
        for (int c = 0; c < 8; ++c) grid.setColumnWidth(c, Twips::toPixels(300));
        for (int k = 1; k <= 32; ++k) grid.setText((k - 1) / 8, (k - 1) % 8, QString::number(k));
        grid.resize(Twips::toPixels(8 * 310), Twips::toPixels(4 * 260) + 40); // room below the cells
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    QPoint centre(int row, int col) const { return grid.visualRect(grid.model()->index(row, col)).center(); }
    QWidget* area() { return grid.viewport(); }

    void expectCorners(int row, int col, int rowSel, int colSel) const
    {
        EXPECT_EQ(grid.row(), row);
        EXPECT_EQ(grid.col(), col);
        EXPECT_EQ(grid.rowSel(), rowSel);
        EXPECT_EQ(grid.colSel(), colSel);
    }

    Grid grid;
};

TEST_F(GridTest, TheDesignedSizeShowsEveryCell)
{
    grid.resize(Twips::toPixels(8 * 310), Twips::toPixels(4 * 260));
    EXPECT_TRUE(area()->rect().contains(grid.visualRect(grid.model()->index(3, 7))));
    EXPECT_EQ(grid.text(3, 7), "32");
}

TEST_F(GridTest, AClickNamesOneCellAsBothCorners)
{
    QSignalSpy finished(&grid, &Grid::selectionFinished);

    QTest::mouseClick(area(), Qt::LeftButton, {}, centre(2, 3));
    ASSERT_EQ(finished.count(), 1);
    expectCorners(2, 3, 2, 3);

    QTest::mouseClick(area(), Qt::LeftButton, {}, centre(0, 0));
    EXPECT_EQ(finished.count(), 2);
    expectCorners(0, 0, 0, 0);
}

TEST_F(GridTest, ADragNamesTheCellsWhereItStartedAndEnded)
{
    QSignalSpy finished(&grid, &Grid::selectionFinished);

    QTest::mousePress(area(), Qt::LeftButton, {}, centre(3, 5));
    QTest::mouseMove(area(), centre(2, 4));
    QTest::mouseMove(area(), centre(1, 2));
    EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 3 * 4); // the block shows while dragging
    EXPECT_EQ(finished.count(), 0);
    QTest::mouseRelease(area(), Qt::LeftButton, {}, centre(1, 2));

    ASSERT_EQ(finished.count(), 1);
    expectCorners(3, 5, 1, 2);
    EXPECT_TRUE(grid.selectionModel()->selectedIndexes().isEmpty());
}

TEST_F(GridTest, OnlyALeftPressOnACellSelects)
{
    QTest::mouseClick(area(), Qt::LeftButton, {}, centre(1, 1));
    QSignalSpy finished(&grid, &Grid::selectionFinished);

    QTest::mouseClick(area(), Qt::RightButton, {}, centre(2, 2));
    const QPoint belowTheCells(centre(3, 0).x(), area()->height() - 5);
    QTest::mouseClick(area(), Qt::LeftButton, {}, belowTheCells);
    QTest::mouseMove(area(), centre(3, 3));

    EXPECT_EQ(finished.count(), 0);
    expectCorners(1, 1, 1, 1);
}

TEST_F(GridTest, KeysWithACharacterAreReportedAndArrowsMoveTheCurrentCell)
{
    QTest::mouseClick(area(), Qt::LeftButton, {}, centre(1, 1));
    QSignalSpy keys(&grid, &Grid::keyPressed);

    QTest::keyClick(&grid, Qt::Key_Return);
    QTest::keyClick(&grid, Qt::Key_Space);
    QTest::keyClick(&grid, 'a');
    QTest::keyClick(&grid, Qt::Key_1); // no jump to the cell reading "1"
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Right);

    ASSERT_EQ(keys.count(), 4);
    EXPECT_EQ(keys.at(0).at(0).toInt(), 13);
    EXPECT_EQ(keys.at(1).at(0).toInt(), 32);
    EXPECT_EQ(keys.at(2).at(0).toInt(), 'a');
    EXPECT_EQ(keys.at(3).at(0).toInt(), '1');
    expectCorners(2, 2, 2, 2);
    EXPECT_TRUE(grid.selectionModel()->selectedIndexes().isEmpty());
}

TEST_F(GridTest, EachCellKeepsItsOwnColours)
{
    grid.setCellBackColor(1, 1, Qt::darkBlue);
    grid.setCellForeColor(1, 1, Qt::white);

    EXPECT_EQ(grid.cellBackColor(1, 1), QColor(Qt::darkBlue));
    EXPECT_EQ(grid.cellForeColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(grid.cellBackColor(1, 2), grid.palette().color(QPalette::Base));
    EXPECT_EQ(grid.cellForeColor(1, 2), grid.palette().color(QPalette::Text));

    grid.setCellBackColor(4, 0, Qt::red); // outside: ignored
    grid.setText(0, 8, "x");
    EXPECT_FALSE(grid.cellBackColor(4, 0).isValid());
    EXPECT_TRUE(grid.text(0, 8).isEmpty());
}

TEST_F(GridTest, TheClickedCellShowsItsColourNotAHighlight)
{
    grid.setCellBackColor(0, 0, Qt::red);
    grid.setCellBackColor(0, 1, Qt::green);
    QTest::mousePress(area(), Qt::LeftButton, {}, centre(0, 0));
    QTest::mouseMove(area(), centre(0, 1));
    QTest::mouseRelease(area(), Qt::LeftButton, {}, centre(0, 1));

    // The style may tint the current and the hovered cell a little, but no
    // selection highlight may cover them.
    const QImage shot = area()->grab().toImage();
    for (int c : {0, 1}) {
        const QPoint inside = grid.visualRect(grid.model()->index(0, c)).topLeft() + QPoint(3, 3);
        const QColor shown = shot.pixelColor(inside), own = grid.cellBackColor(0, c);
        EXPECT_LT(std::abs(shown.red() - own.red()) + std::abs(shown.green() - own.green())
                      + std::abs(shown.blue() - own.blue()),
                  80)
            << c << ": " << shown.name().toStdString();
    }
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST_F(GridTest, ChangesWhileRedrawIsOffAreDrawnWhenItComesBack)
{
    PaintCounter counter;
    area()->installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;

    grid.setRedraw(false);
    for (int c = 0; c < 8; ++c) grid.setCellBackColor(0, c, Qt::yellow);
    QCoreApplication::processEvents();
    EXPECT_FALSE(grid.redraw());
    EXPECT_EQ(counter.paints, 0);

    grid.setRedraw(true);
    QCoreApplication::processEvents();
    EXPECT_TRUE(grid.redraw());
    EXPECT_GT(counter.paints, 0);
    EXPECT_EQ(area()->grab().toImage().pixelColor(
                  grid.visualRect(grid.model()->index(0, 7)).topLeft() + QPoint(3, 3)),
              QColor(Qt::yellow));
}

} // namespace
