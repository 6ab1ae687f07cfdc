// The editor as it opens: its controls, their places and texts, and the
// state of a window for a new event.
#include "EditorFixture.h"
#include "WindowTexts.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "Platform/ui/Twips.h"
#include "Platform/ui/UiProperties.h"

using Platform::Twips;

namespace {

class frmPlentLayout : public EditorFixture {};

QString tagOf(QObject* o) { return o->property("Tag").toString(); }

} // namespace

TEST_F(frmPlentLayout, OpensForANewEventWithTodayOnceAndNoDelay)
{
    EXPECT_EQ(box("txtFirstStartDate")->text(), "15.03.2024");
    EXPECT_EQ(box("txtFirstStartHour")->text(), "08:30");
    EXPECT_EQ(box("txtDelay")->text(), "0");
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(option("optDelay", i)->isEnabled());
    EXPECT_TRUE(option("optDelay", 0)->isChecked());
    EXPECT_TRUE(option("optRetryMode", 1)->isChecked());
    EXPECT_EQ(box("txtRetry")->text(), "1");
    EXPECT_EQ(box("txtFrom")->text(), "00:00");
    EXPECT_EQ(box("txtTo")->text(), "00:00");
    EXPECT_FALSE(check("chkDelete")->isChecked());
    EXPECT_FALSE(check("chkMove")->isEnabled());
    EXPECT_TRUE(control("fraFromTo")->isHidden());
    EXPECT_TRUE(control("fraRetry")->isHidden());
    EXPECT_FALSE(grid("msgMonthDay")->isEnabledTo(control("lblUnlessMonthDay")));
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_TRUE(form->Editable());
    EXPECT_FALSE(form->Confirmed());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Event hinzufügen"));

    clickTab(2);
    EXPECT_EQ(tabs()->currentIndex(), 0); // not selectable after load
}

TEST_F(frmPlentLayout, ShowsTodayInTheShortFormsOfTheUsersLocale)
{
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    clock.set(Platform::DateTime::fromCivil(2024, 12, 31, 22, 59, 59));
    open();
    EXPECT_EQ(box("txtFirstStartDate")->text(), "12/31/2024");
    EXPECT_EQ(box("txtFirstStartHour")->text().simplified().replace(QChar(0x202F), u' '), "10:59 PM");
    EXPECT_GE(box("txtFirstStartHour")->maxLength(), 8); // the whole form can be typed again
    // Both boxes are wide enough to show their text whole, and stay clear of the delay frame.
    for (const char* name : {"txtFirstStartDate", "txtFirstStartHour"}) {
        QLineEdit* b = box(name);
        EXPECT_LT(b->fontMetrics().horizontalAdvance(b->text()), b->width() - 4) << name;
        EXPECT_LT(b->geometry().right(), control("fraDelay")->geometry().left()) << name;
    }
}

TEST_F(frmPlentLayout, ShowsTodayWithoutSecondsWhereTheLocalesTimeHasThem)
{
    QLocale::setDefault(QLocale::c());
    clock.set(Platform::DateTime::fromCivil(2024, 12, 31, 21, 12, 55));
    open();
    EXPECT_EQ(box("txtFirstStartHour")->text(), "21:12");
    EXPECT_EQ(box("txtFirstStartHour")->maxLength(), 5) << "no room to type seconds";
}

TEST_F(frmPlentLayout, OpensWhollyOnTheScreenOverASmallOwnerInItsCorner)
{
    QWidget owner;
    owner.setGeometry(0, 0, 200, 100);
    owner.show();
    QApplication::setActiveWindow(&owner);
    QRect shown;
    QTimer::singleShot(0, [&] {
        shown = form->frameGeometry();
        QTest::mouseClick(control<QPushButton>("cmdCancel"), Qt::LeftButton);
    });
    form->ShowModal();
    EXPECT_TRUE(owner.screen()->availableGeometry().contains(shown)) << shown.x() << "," << shown.y();
}

TEST_F(frmPlentLayout, IsAFixedSizeDialogWithoutMinimiseOrMaximise)
{
    // Wider than designed only where the German texts need it.
    EXPECT_EQ(form->height(), Twips::toPixels(4995));
    EXPECT_GE(form->width(), Twips::toPixels(7455));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->windowType(), Qt::Dialog);
    EXPECT_FALSE(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST_F(frmPlentLayout, ControlsSitInTheirContainersAtTheirDesignPlaces)
{
    EXPECT_EQ(control("cmdOK")->y(), Twips::toPixels(4560));
    EXPECT_EQ(control("cmdOK")->size(), QSize(Twips::toPixels(1335), Twips::toPixels(375)));
    EXPECT_EQ(control("txtIdentifier")->parentWidget(), control("fraIdentifier"));
    EXPECT_EQ(control("txtIdentifier")->y(), Twips::toPixels(240));
    EXPECT_EQ(control("optDelay")->parentWidget(), control("fraDelay"));
    EXPECT_EQ(control("fraDelay")->parentWidget(), control("lblStartProperties"));
    EXPECT_EQ(control("txtRetry")->parentWidget(), control("fraRetry"));
    EXPECT_EQ(control("fraFromTo")->parentWidget(), control("fraDetail"));
    EXPECT_EQ(control("msgMonth")->parentWidget(), control("lblUnlessMonthDay"));
    EXPECT_EQ(control("fraIdentifier")->parentWidget(), tabs()->widget(0));
    EXPECT_EQ(control("lblStartProperties")->parentWidget(), tabs()->widget(0));
    EXPECT_EQ(control("fraRetryMode")->parentWidget(), tabs()->widget(1));
    EXPECT_EQ(control("fraDetail")->parentWidget(), tabs()->widget(1));
    for (const char* onTab2 : {"lblUnlessMonthDay", "msgDays", "msgWeekDay", "lblUnlessWeekDay", "lblUnlessDays",
                               "lblLastDayInMonth"})
        EXPECT_EQ(control(onTab2)->parentWidget(), tabs()->widget(2)) << onTab2;

    // A right-aligned label too narrow for its text grows to the left and stays beside its field.
    auto* parameter = control<QLabel>("lblParameter");
    EXPECT_GT(parameter->width(), Twips::toPixels(765));
    EXPECT_EQ(box("txtParameter")->x() - parameter->geometry().right() - 1, Twips::toPixels(1185 - 1140));
    EXPECT_GE(parameter->width(), parameter->sizeHint().width());
    // A left-aligned one grows to the right.
    auto* lastDay = control<QLabel>("lblLastDayInMonth");
    EXPECT_NEAR(lastDay->x(), Twips::toPixels(4740), 1); // it keeps its left edge
    EXPECT_GE(lastDay->width(), lastDay->sizeHint().width());

    // Nothing sticks out of its container, so every control can be seen.
    for (QObject* o : Platform::UiProperties::controls(form.get())) {
        auto* w = static_cast<QWidget*>(o);
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << w->objectName().toStdString();
    }
}

TEST_F(frmPlentLayout, CarriesTheGermanDesignTextsAndTheirMessageNumbers)
{
    EXPECT_EQ(tabs()->tabText(0), "einen Event am/um");
    EXPECT_EQ(tabs()->tabText(2), QStringLiteral("Außer am ..."));
    EXPECT_EQ(tagOf(tabs()), "MsgNr=33");
    EXPECT_EQ(control<QLabel>("lblFirstStartDate")->text(), QStringLiteral("Erst-Start frühestens am:"));
    EXPECT_EQ(tagOf(control("lblFirstStartDate")), "MsgNr=3");
    EXPECT_EQ(check("chkMove")->text(), QStringLiteral("Verschieben auf den nächsten Tag, wenn \"Außer\" zutrifft"));
    EXPECT_EQ(tagOf(check("chkMove")), "MsgNr=11");
    EXPECT_EQ(option("optRetryMode", 3)->text(), "Stunden");
    EXPECT_EQ(tagOf(option("optRetryMode", 3)), "MsgNr=19");
    EXPECT_EQ(tagOf(option("optDelay", 2)), "MsgNr=9");
    EXPECT_EQ(control<QGroupBox>("lblUnlessMonthDay")->title(), "Bestimmte Tage im Monat:");
    EXPECT_EQ(control<QLabel>("lblRetry2")->text(), "Modus");
    EXPECT_TRUE(tagOf(control("lblRetry2")).isEmpty());
    EXPECT_TRUE(tagOf(control("txtIdentifier")).isEmpty());
    EXPECT_EQ(control<QLabel>("lblIdentifier")->alignment() & Qt::AlignRight, Qt::AlignRight);
}

TEST_F(frmPlentLayout, GridsShowTheirTitlesAndDays)
{
    Grid* weekDays = grid("msgWeekDay");
    Grid* months = grid("msgMonth");
    Grid* days = grid("msgDays");
    EXPECT_EQ(weekDays->rowCount() * 10 + weekDays->columnCount(), 81);
    EXPECT_EQ(months->rowCount() * 10 + months->columnCount(), 62);
    EXPECT_EQ(days->rowCount() * 10 + days->columnCount(), 48);
    EXPECT_EQ(cellText(weekDays, 1), "Montag");
    EXPECT_EQ(cellText(weekDays, 7), "Sonntag");
    EXPECT_EQ(cellText(weekDays, 8), "aus Tabelle");
    EXPECT_EQ(cellText(months, 1), QStringLiteral("Jänner"));
    EXPECT_EQ(cellText(months, 4), "April"); // row 1, column 1
    EXPECT_EQ(cellText(days, 9), "9");
    EXPECT_EQ(cellText(days, 32), "X");
    EXPECT_EQ(days->columnWidth(0), Twips::toPixels(300));
    for (Grid* g : {weekDays, months, days}) {
        const QModelIndex last = g->model()->index(g->rowCount() - 1, g->columnCount() - 1);
        EXPECT_TRUE(g->viewport()->rect().contains(g->visualRect(last))) << g->objectName().toStdString();
    }
}

TEST_F(frmPlentLayout, TheTabKeyFollowsTheDesignOrder)
{
    box("txtIdentifier")->setFocus();
    // Disabled controls (the delay options, chkMove) are passed over.
    const std::vector<std::string> expected{"txtParameter", "txtDescription", "txtFirstStartDate", "txtFirstStartHour",
                                            "txtDelay", "chkDelete", "cmdOK", "cmdCancel"};
    for (const std::string& name : expected) {
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        ASSERT_NE(form->focusWidget(), nullptr);
        EXPECT_EQ(form->focusWidget()->objectName().toStdString(), name);
    }
    QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(form->focusWidget(), tabs()->tabBar());
}

TEST_F(frmPlentLayout, TheLanguageLibraryCaptionsControlsTabsGridsAndWindow)
{
    const Plent::LanguageLibrary english = WindowTexts::libraryBeside("Pelmor.dll");
    ASSERT_GT(english.handle(), 0);
    form = std::make_unique<ProbedEditor>();
    form->Init(english.handle(), 1100);

    EXPECT_EQ(form->windowTitle(), "add one event");
    EXPECT_EQ(tabs()->tabText(1), "retry");
    EXPECT_EQ(tabs()->tabText(2), "unless ...");
    EXPECT_EQ(control<QLabel>("lblIdentifier")->text(), "Identifier:");
    EXPECT_EQ(control<QPushButton>("cmdCancel")->text(), "Cancel");
    EXPECT_EQ(option("optRetryMode", 3)->text(), "houres");
    EXPECT_EQ(control<QGroupBox>("fraFromTo")->title(), "in time from - to:");
    EXPECT_EQ(cellText(grid("msgWeekDay"), 1), "monday");
    EXPECT_EQ(cellText(grid("msgWeekDay"), 8), "from table");
    EXPECT_EQ(cellText(grid("msgMonth"), 12), "december");
    form->selectOption("optRetryMode", 5);
    EXPECT_EQ(control<QLabel>("lblRetry2")->text(), "weeks");
    form->SetEditable(false);
    EXPECT_EQ(form->windowTitle(), "display one event");
    EXPECT_TRUE(boxes.empty());

    form.reset();
}
