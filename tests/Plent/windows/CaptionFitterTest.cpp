// Room for labels whose texts are wider than their designed boxes, on small
// windows built like the editor: labels and fields in frames, frames on a
// tab page, buttons in the window's corner.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Plent/windows/CaptionFitter.h"
#include "Platform/ui/TabControl.h"
#include "support/QtAppEnvironment.h"

using Plent::CaptionFitter;

namespace {

constexpr int Margin = 4; // 60 twips
// The column of labels ends at LabelsEnd, the column of fields begins at Fields.
constexpr int LabelsEnd = 68, Fields = 71, FieldWidth = 150, FrameWidth = 370;

QLabel* label(QWidget* container, QRect box, const QString& text, Qt::Alignment side = Qt::AlignRight)
{
    auto* l = new QLabel(text, container);
    l->setAlignment(side | Qt::AlignVCenter);
    l->setGeometry(box);
    return l;
}

template <class W>
W* control(QWidget* container, QRect box)
{
    auto* w = new W(container);
    w->setGeometry(box);
    return w;
}

const QString Long = QStringLiteral("A caption far longer than the box it was designed for:");

// A label on a frame of a tab page, its field beside it, a second row below.
class CaptionFitterTest : public ::testing::Test {
protected:
    CaptionFitterTest()
    {
        window.setFixedSize(400, 260);
        tabs = control<Platform::TabControl>(&window, {4, 4, 392, 220});
        QWidget* page = tabs->addPage(QStringLiteral("page"));
        top = control<QGroupBox>(page, {4, 4, FrameWidth, 80});
        bottom = control<QGroupBox>(page, {4, 90, FrameWidth, 80});
        caption = label(top, {30, 10, LabelsEnd - 30, 16}, QStringLiteral("One:"));
        field = control<QLineEdit>(top, {Fields, 8, 100, 20});
        secondCaption = label(top, {40, 40, LabelsEnd - 40, 16}, QStringLiteral("Two:"));
        secondField = control<QLineEdit>(top, {Fields, 38, FieldWidth, 20});
        leftOfColumn = control<QLineEdit>(top, {8, 62, 30, 14});
        ok = control<QPushButton>(&window, {230, 230, 80, 24});
        cancel = control<QPushButton>(&window, {316, 230, 80, 24});
    }

    QWidget window;
    Platform::TabControl* tabs;
    QGroupBox *top, *bottom;
    QLabel *caption, *secondCaption;
    QLineEdit *field, *secondField, *leftOfColumn;
    QPushButton *ok, *cancel;
};

} // namespace

TEST_F(CaptionFitterTest, ALabelThatFitsOrFitsByGrowingLeftKeepsTheDesign)
{
    CaptionFitter::fit(*caption);
    EXPECT_EQ(caption->geometry(), QRect(30, 10, LabelsEnd - 30, 16));

    caption->setText(QStringLiteral("Longer:"));
    const int wanted = caption->sizeHint().width();
    ASSERT_GT(wanted, LabelsEnd - 30);
    ASSERT_LE(wanted, LabelsEnd - Margin);
    CaptionFitter::fit(*caption);
    EXPECT_EQ(caption->geometry(), QRect(LabelsEnd - wanted, 10, wanted, 16));
    EXPECT_EQ(field->x(), Fields);
    EXPECT_EQ(window.width(), 400);
}

TEST_F(CaptionFitterTest, ALabelShortOfRoomPushesTheColumnOfFieldsAndTheirLabels)
{
    caption->setText(QStringLiteral("Somewhat longer:"));
    const int wanted = caption->sizeHint().width();
    const int shortfall = Margin + wanted - LabelsEnd;
    ASSERT_GT(shortfall, 0);
    ASSERT_LT(Fields + shortfall + FieldWidth + Margin, FrameWidth); // the frame has the room
    CaptionFitter::fit(*caption);

    EXPECT_EQ(caption->geometry(), QRect(Margin, 10, wanted, 16));
    EXPECT_EQ(field->x(), Fields + shortfall);
    EXPECT_EQ(secondField->x(), Fields + shortfall); // the column stays one
    EXPECT_EQ(secondCaption->geometry().right(), caption->geometry().right());
    EXPECT_EQ(leftOfColumn->x(), 8); // left of the labels' edge: stays
    EXPECT_EQ(top->width(), FrameWidth);
    EXPECT_EQ(window.width(), 400);
}

TEST_F(CaptionFitterTest, AFrameTooSmallWidensWithItsTabControlAndWindow)
{
    caption->setText(Long);
    const int shortfall = Margin + caption->sizeHint().width() - LabelsEnd;
    const int frameGrowth = Fields + shortfall + FieldWidth + Margin - FrameWidth;
    ASSERT_GT(frameGrowth, tabs->pageWidth() - 4 - FrameWidth - Margin); // too much for the page as well
    const int pageGrowth = 4 + FrameWidth + frameGrowth + Margin - tabs->pageWidth();
    CaptionFitter::fit(*caption);

    EXPECT_EQ(secondField->geometry().right() + 1 + Margin, top->width());
    EXPECT_EQ(bottom->width(), top->width()); // flush frames stay flush
    EXPECT_EQ(tabs->width(), 392 + pageGrowth);
    EXPECT_EQ(tabs->pageWidth(), 4 + top->width() + Margin);
    EXPECT_EQ(window.width(), 400 + pageGrowth);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(ok->x(), 230 + pageGrowth); // the buttons keep their corner
    EXPECT_EQ(cancel->x(), 316 + pageGrowth);
    EXPECT_EQ(tabs->x(), 4);
}

TEST_F(CaptionFitterTest, ALeftAlignedLabelGrowsRightUpToItsNeighbourThenPushesIt)
{
    QLabel* note = label(bottom, {8, 10, 30, 16}, QStringLiteral("Note"), Qt::AlignLeft);
    auto* beside = control<QLineEdit>(bottom, {150, 8, 60, 20});
    auto* below = control<QLineEdit>(bottom, {8, 40, 60, 20});
    note->setText(QStringLiteral("A note:"));
    CaptionFitter::fit(*note);
    EXPECT_EQ(note->geometry(), QRect(8, 10, note->sizeHint().width(), 16));
    EXPECT_EQ(beside->x(), 150);

    note->setText(Long);
    const int wanted = note->sizeHint().width();
    CaptionFitter::fit(*note);
    EXPECT_EQ(note->geometry(), QRect(8, 10, wanted, 16));
    EXPECT_EQ(beside->x(), 8 + wanted + Margin);
    EXPECT_EQ(below->x(), 8);
    EXPECT_TRUE(bottom->rect().contains(beside->geometry()));
}
