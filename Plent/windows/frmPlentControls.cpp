#include "frmPlentControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>

#include <algorithm>

#include "ControlPlacer.h"
#include "Platform/ui/Grid.h"
#include "Platform/ui/TabControl.h"
#include "Platform/ui/Twips.h"

namespace Plent {

namespace {

using Platform::Grid;
using Platform::TabControl;
using Platform::Twips;

// The design places the controls of a tab relative to the whole tab
// control; its pages begin below the row of tabs. A row of tabs taller than
// the design's moves the contents up to the page's edge, not beyond.
struct PageOrigin {
    static constexpr int FirstRowTop = 360;
    int left = 0, top = 0;

    explicit PageOrigin(TabControl* tabs)
    {
        const int frame = tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabs);
        left = Twips::fromPixels(frame);
        top = std::min(Twips::fromPixels(tabs->tabBar()->sizeHint().height() + frame), FirstRowTop);
    }
    TwipsRect operator()(TwipsRect r) const { return {r.left - left, r.top - top, r.width, r.height}; }
};

QLabel* rightAligned(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit* withText(QLineEdit* box, const QString& text, int maxLength = 32767)
{
    box->setText(text);
    box->setMaxLength(maxLength);
    return box;
}

template <class Button>
Button* withCaption(Button* button, const QString& caption)
{
    button->setText(caption);
    return button;
}

template <size_t N>
void placeOptions(ControlPlacer& placer, QWidget* frame, const char* name, std::array<QRadioButton*, N>& options,
                  const std::array<const char16_t*, N>& captions, int top, int left, int width, int firstTabIndex,
                  int firstMsgNr)
{
    for (size_t i = 0; i < N; ++i) {
        const int index = static_cast<int>(i);
        options[i] = placer.place<QRadioButton>(frame, name, {left, top + 300 * index, width, 195},
                                                firstTabIndex + index, firstMsgNr + index);
        options[i]->setText(QString::fromUtf16(captions[i]));
        options[i]->setProperty("Index", index);
    }
}

} // namespace

void frmPlentControls::build(QWidget* window)
{
    ControlPlacer placer;
    sstabPlent = placer.place<TabControl>(window, "sstabPlent", {60, 60, 7335, 4395}, 13, 33);
    QWidget* tab0 = sstabPlent->addPage(QStringLiteral("einen Event am/um"));
    QWidget* tab1 = sstabPlent->addPage(QStringLiteral("Wiederholung"));
    QWidget* tab2 = sstabPlent->addPage(QStringLiteral("Außer am ..."));
    cmdOK = withCaption(placer.place<QPushButton>(window, "cmdOK", {4620, 4560, 1335, 375}, 11, 12), "OK");
    cmdCancel = withCaption(placer.place<QPushButton>(window, "cmdCancel", {6060, 4560, 1335, 375}, 12, 13),
                            QStringLiteral("Abbrechen"));
    for (QPushButton* button : {cmdOK, cmdCancel}) button->setAutoDefault(false);

    buildTab0(placer, tab0);
    buildTab1(placer, tab1);
    buildTab2(placer, tab2);
    placer.applyTabOrder();
}

void frmPlentControls::buildTab0(ControlPlacer& placer, QWidget* page)
{
    buildIdentifierFrame(placer, page);
    buildStartFrame(placer, page);
}

void frmPlentControls::buildIdentifierFrame(ControlPlacer& placer, QWidget* page)
{
    const PageOrigin onPage(sstabPlent);
    fraIdentifier = placer.place<QGroupBox>(page, "fraIdentifier", onPage({60, 360, 7215, 1395}), 35);
    QWidget* f = fraIdentifier;
    lblIdentifier = rightAligned(placer.place<QLabel>(f, "lblIdentifier", {120, 300, 1020, 195}, 36, 0),
                                 QStringLiteral("Identifizierung:"));
    txtIdentifier = placer.place<QLineEdit>(f, "txtIdentifier", {1185, 240, 1395, 285}, 0);
    lblParameter = rightAligned(placer.place<QLabel>(f, "lblParameter", {375, 660, 765, 195}, 37, 1),
                                QStringLiteral("Parameter:"));
    txtParameter = placer.place<QLineEdit>(f, "txtParameter", {1185, 600, 5500, 285}, 1);
    lblDescription = rightAligned(placer.place<QLabel>(f, "lblDescription", {120, 1020, 1020, 195}, 38, 2),
                                  QStringLiteral("Beschreibung:"));
    txtDescription = placer.place<QLineEdit>(f, "txtDescription", {1185, 960, 5500, 285}, 2);
}

void frmPlentControls::buildStartFrame(ControlPlacer& placer, QWidget* page)
{
    const PageOrigin onPage(sstabPlent);
    lblStartProperties = placer.place<QGroupBox>(page, "lblStartProperties", onPage({60, 1800, 7215, 2475}), 39);
    QWidget* f = lblStartProperties;
    lblFirstStartDate = rightAligned(placer.place<QLabel>(f, "lblFirstStartDate", {120, 300, 1725, 195}, 42, 3),
                                     QStringLiteral("Erst-Start frühestens am:"));
    txtFirstStartDate = withText(placer.place<QLineEdit>(f, "txtFirstStartDate", {1935, 240, 900, 285}, 3),
                                 QStringLiteral("00.00.0000"), 10);
    lblFirstStartHour = rightAligned(placer.place<QLabel>(f, "lblFirstStartHour", {1620, 660, 255, 195}, 43, 4),
                                     QStringLiteral("um:"));
    txtFirstStartHour = withText(placer.place<QLineEdit>(f, "txtFirstStartHour", {1950, 600, 500, 285}, 4),
                                 QStringLiteral("00:00"), 5);
    buildDelayFrame(placer, f);
    chkDelete = withCaption(placer.place<QCheckBox>(f, "chkDelete", {150, 1860, 3375, 195}, 9, 10),
                            QStringLiteral("Löschen nach der Durchführung"));
    chkMove = withCaption(placer.place<QCheckBox>(f, "chkMove", {150, 2160, 5295, 195}, 10, 11),
                          QStringLiteral("Verschieben auf den nächsten Tag, wenn \"Außer\" zutrifft"));
    chkMove->setEnabled(false);
}

void frmPlentControls::buildDelayFrame(ControlPlacer& placer, QWidget* container)
{
    fraDelay = placer.place<QGroupBox>(container, "fraDelay", {3510, 120, 3495, 1635}, 40, 5);
    fraDelay->setTitle(QStringLiteral("Verzögerung"));
    lblDelay = rightAligned(placer.place<QLabel>(fraDelay, "lblDelay", {240, 300, 2115, 195}, 41, 6),
                            QStringLiteral("Max. Verzögerung in Minuten:"));
    txtDelay = withText(placer.place<QLineEdit>(fraDelay, "txtDelay", {2460, 240, 735, 285}, 5), "0");
    placeOptions<3>(placer, fraDelay, "optDelay", optDelay,
                    {u"durchführen", u"als durchgeführt betrachten", u"Alarm"}, 660, 600, 2715, 6, 7);
    optDelay[0]->setChecked(true);
    for (QRadioButton* option : optDelay) option->setEnabled(false);
}

void frmPlentControls::buildTab1(ControlPlacer& placer, QWidget* page)
{
    const PageOrigin onPage(sstabPlent);
    fraRetryMode = placer.place<QGroupBox>(page, "fraRetryMode", onPage({180, 480, 2355, 2895}), 29, 15);
    fraRetryMode->setTitle(QStringLiteral("Modus"));
    placeOptions<8>(placer, fraRetryMode, "optRetryMode", optRetryMode,
                    {u"Einmalig beim Starten", u"Einmalig", u"Minuten", u"Stunden", u"Tagen", u"Wochen", u"Monate",
                     u"Jahre"},
                    360, 180, 2100, 14, 16);
    optRetryMode[1]->setChecked(true);
    buildDetailFrame(placer, page);
}

void frmPlentControls::buildDetailFrame(ControlPlacer& placer, QWidget* page)
{
    const PageOrigin onPage(sstabPlent);
    fraDetail = placer.place<QGroupBox>(page, "fraDetail", onPage({2820, 540, 4155, 2835}), 30, 24);
    fraDetail->setTitle(QStringLiteral("Zusatz"));

    fraFromTo = placer.place<QGroupBox>(fraDetail, "fraFromTo", {120, 300, 2415, 795}, 44, 25);
    fraFromTo->setTitle(QStringLiteral("in der Zeit von - bis:"));
    fraFromTo->setVisible(false);
    lblFrom = rightAligned(placer.place<QLabel>(fraFromTo, "lblFrom", {300, 360, 270, 195}, 46, 26), "von");
    txtFrom = withText(placer.place<QLineEdit>(fraFromTo, "txtFrom", {660, 300, 555, 285}, 22), "00:00", 5);
    lblTo = rightAligned(placer.place<QLabel>(fraFromTo, "lblTo", {1320, 360, 195, 195}, 45, 27), "bis");
    txtTo = withText(placer.place<QLineEdit>(fraFromTo, "txtTo", {1680, 300, 555, 285}, 23), "00:00", 5);

    fraRetry = placer.place<QGroupBox>(fraDetail, "fraRetry", {120, 1200, 3915, 675}, 47);
    fraRetry->setVisible(false);
    lblRetry1 = rightAligned(placer.place<QLabel>(fraRetry, "lblRetry1", {120, 300, 1755, 195}, 49, 28),
                             QStringLiteral("nächste Durchführung in"));
    txtRetry = withText(placer.place<QLineEdit>(fraRetry, "txtRetry", {1980, 240, 495, 285}, 24), "1");
    lblRetry2 = placer.place<QLabel>(fraRetry, "lblRetry2", {2580, 300, 915, 195}, 48);
    lblRetry2->setText(QStringLiteral("Modus"));
}

void frmPlentControls::buildTab2(ControlPlacer& placer, QWidget* page)
{
    const PageOrigin onPage(sstabPlent);
    lblUnlessWeekDay = placer.place<QLabel>(page, "lblUnlessWeekDay", onPage({300, 540, 975, 195}), 32, 29);
    lblUnlessWeekDay->setText(QStringLiteral("Wochentage:"));
    msgWeekDay = placer.place<Grid>(page, "msgWeekDay", onPage({300, 780, 1095, 2055}), 25);
    lblUnlessDays = placer.place<QLabel>(page, "lblUnlessDays", onPage({1920, 540, 420, 195}), 31, 30);
    lblUnlessDays->setText(QStringLiteral("Tage:"));
    msgDays = placer.place<Grid>(page, "msgDays", onPage({1920, 840, 2475, 1035}), 26);
    lblLastDayInMonth = placer.place<QLabel>(page, "lblLastDayInMonth", onPage({4740, 1680, 1950, 195}), 34, 32);
    lblLastDayInMonth->setText(QStringLiteral("X = der letzte Tag im Monat"));

    lblUnlessMonthDay = placer.place<QGroupBox>(page, "lblUnlessMonthDay", onPage({1920, 2160, 4815, 1935}), 33, 31);
    lblUnlessMonthDay->setTitle(QStringLiteral("Bestimmte Tage im Monat:"));
    msgMonth = placer.place<Grid>(lblUnlessMonthDay, "msgMonth", {120, 300, 2000, 1506}, 27);
    msgMonthDay = placer.place<Grid>(lblUnlessMonthDay, "msgMonthDay", {2220, 300, 2475, 1035}, 28);
    msgMonthDay->setEnabled(false);
}

} // namespace Plent
