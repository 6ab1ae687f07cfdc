#include "frmPlent.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>

#include "CalendarGridSetup.h"
#include "CaptionFitter.h"
#include "modGridSel.h"
#include "Plent/engine/EditorChecks.h"
#include "Plent/model/CPlent.h"
#include "Plent/msg/CMsg.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/dates/Clock.h"
#include "Platform/locale/LocaleDates.h"
#include "Platform/locale/LocaleNumbers.h"
#include "Platform/ui/Grid.h"
#include "Platform/ui/TabControl.h"
#include "Platform/ui/Twips.h"

namespace Plent {

namespace {

using Platform::DateTime;
using Platform::LocaleDates;

constexpr int February = UnlessMask::February;
constexpr int AddCaptionMsg = 56;
constexpr int ViewCaptionMsg = 57;
constexpr int CharEnter = 13;
constexpr int CharSpace = 32;

// The first start boxes take the locale's short forms, which may be longer
// than the design's 10 and 5 characters ("12/31/2024", "10:59 PM"): samples
// of them give the length to allow and the width to show.
QStringList shortDateSamples()
{
    QStringList samples;
    for (int month = 1; month <= 12; ++month)
        samples << QString::fromStdString(LocaleDates::shortDate(DateTime::fromCivil(2000, month, 28)));
    return samples;
}

QStringList shortTimeSamples()
{
    QStringList samples;
    for (int hour = 0; hour < 24; ++hour)
        samples << QString::fromStdString(LocaleDates::shortTime(DateTime::fromCivil(2000, 1, 1, hour, 59)));
    return samples;
}

int longestText(const QStringList& samples, int designLength)
{
    int longest = designLength;
    for (const QString& s : samples) longest = std::max(longest, static_cast<int>(s.size()));
    return longest;
}

// Widens a box so that its longest sample shows whole, up to the room that
// the delay frame beside it leaves.
void fitToSamples(QLineEdit& box, const QStringList& samples, int rightEdgeTwips)
{
    constexpr int FrameAndMargins = 12;
    int needed = box.width();
    for (const QString& s : samples) needed = std::max(needed, box.fontMetrics().horizontalAdvance(s) + FrameAndMargins);
    const int room = Platform::Twips::toPixels(rightEdgeTwips) - box.x();
    box.resize(std::max(box.width(), std::min(needed, room)), box.height());
}

// Centred over a small owner near a screen edge, the dialog would reach past
// it and hide its tabs: it is moved back onto the screen.
QPoint keptOnScreen(const QRect& frame, const QScreen* screen)
{
    if (!screen) return frame.topLeft();
    const QRect avail = screen->availableGeometry();
    const int x = std::clamp(frame.left(), avail.left(), std::max(avail.left(), avail.right() + 1 - frame.width()));
    const int y = std::clamp(frame.top(), avail.top(), std::max(avail.top(), avail.bottom() + 1 - frame.height()));
    return {x, y};
}

bool isNonZeroInteger(const QString& text)
{
    const auto value = Platform::LocaleNumbers::integerOrNothing(text.toStdString());
    return value && *value != 0;
}

std::string textOf(const QLineEdit& box) { return box.text().toStdString(); }

// Code writes whole texts: a text longer than the box's limit for typing
// widens the limit instead of being cut. An unchanged text runs nothing.
void write(QLineEdit& box, const std::string& text)
{
    const QString value = QString::fromStdString(text);
    if (box.text() == value) return;
    if (value.size() > box.maxLength()) box.setMaxLength(static_cast<int>(value.size()));
    box.setText(value);
}

template <size_t N>
int selectedOf(const std::array<QRadioButton*, N>& options)
{
    const auto selected = std::find_if(options.begin(), options.end(), [](QRadioButton* o) { return o->isChecked(); });
    return selected == options.end() ? -1 : static_cast<int>(selected - options.begin());
}

// -1 selects none, which leaves the array as it is.
template <size_t N>
void select(const std::array<QRadioButton*, N>& options, int index)
{
    if (index == -1) return;
    if (index < 0 || static_cast<size_t>(index) >= N) Platform::Raise(Platform::Err::SubscriptOutOfRange, "frmPlent");
    options[static_cast<size_t>(index)]->setChecked(true);
}

} // namespace

frmPlent::frmPlent()
    : Msg(std::make_unique<CMsg>())
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    ui_.build(this);
    setFixedSize(Platform::Twips::toPixels(7455), Platform::Twips::toPixels(4995));
    CalendarGridSetup::layOut(*ui_.msgWeekDay, *ui_.msgMonth, *ui_.msgDays, *ui_.msgMonthDay);
    showToday();
    ui_.sstabPlent->setTabEnabled(UnlessTab, false);
    connectHandlers();
    showCaption();
}

frmPlent::~frmPlent() { Unload(); }

void frmPlent::showToday()
{
    // The delay frame begins at 3510 twips; keep 60 twips clear of it.
    constexpr int RoomRightEdge = 3450;
    const QStringList dates = shortDateSamples(), times = shortTimeSamples();
    ui_.txtFirstStartDate->setMaxLength(longestText(dates, 10));
    ui_.txtFirstStartHour->setMaxLength(longestText(times, 5));
    fitToSamples(*ui_.txtFirstStartDate, dates, RoomRightEdge);
    fitToSamples(*ui_.txtFirstStartHour, times, RoomRightEdge);
    const DateTime now = Platform::Clock::now();
    ui_.txtFirstStartDate->setText(QString::fromStdString(LocaleDates::shortDate(now)));
    ui_.txtFirstStartHour->setText(QString::fromStdString(LocaleDates::shortTime(now)));
}

void frmPlent::connectHandlers()
{
    for (int i = 0; i < static_cast<int>(ui_.optRetryMode.size()); ++i) {
        connect(ui_.optRetryMode[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optRetryMode_Click(i);
        });
    }
    connect(ui_.chkDelete, &QCheckBox::toggled, this, &frmPlent::chkDelete_Click);
    connect(ui_.chkMove, &QCheckBox::toggled, this, &frmPlent::chkMove_Click);
    connect(ui_.txtDelay, &QLineEdit::textChanged, this, &frmPlent::txtDelay_Change);
    connect(ui_.txtRetry, &QLineEdit::textChanged, this, &frmPlent::txtRetry_Change);
    connect(ui_.sstabPlent, &Platform::TabControl::clicked, this, &frmPlent::sstabPlent_Click);
    connect(ui_.cmdOK, &QPushButton::clicked, this, &frmPlent::cmdOK_Click);
    connect(ui_.cmdCancel, &QPushButton::clicked, this, &frmPlent::cmdCancel_Click);
    connectGrids();
}

void frmPlent::connectGrids()
{
    using Platform::Grid;
    connect(ui_.msgDays, &Grid::selectionFinished, this, &frmPlent::msgDays_Click);
    connect(ui_.msgWeekDay, &Grid::selectionFinished, this, &frmPlent::msgWeekDay_Click);
    connect(ui_.msgMonth, &Grid::selectionFinished, this, &frmPlent::msgMonth_Click);
    connect(ui_.msgMonthDay, &Grid::selectionFinished, this, &frmPlent::msgMonthDay_Click);
    connect(ui_.msgDays, &Grid::keyPressed, this, &frmPlent::msgDays_KeyPress);
    connect(ui_.msgWeekDay, &Grid::keyPressed, this, &frmPlent::msgWeekDay_KeyPress);
    connect(ui_.msgMonth, &Grid::keyPressed, this, &frmPlent::msgMonth_Click);
    connect(ui_.msgMonthDay, &Grid::keyPressed, this, &frmPlent::msgMonthDay_Click);
}

void frmPlent::Init(int32_t hMsg, int16_t iOffSet)
{
    hMsg_ = hMsg;
    Msg->setOffSet(iOffSet);
    Msg->SetAll(hMsg, this);
    CalendarGridSetup::fillTitles(*Msg, hMsg, *ui_.msgWeekDay, *ui_.msgMonth);
    CaptionFitter::fitAll(*this);
    showCaption();
}

// The caption follows the mode. It is fetched when the mode is set rather
// than at every repaint, so that a text missing from the library is
// announced once, not again after the announcement itself repainted us.
void frmPlent::showCaption()
{
    if (!Msg) return;
    const std::string caption = editable_ ? Msg->GetString(hMsg_, AddCaptionMsg, "Event hinzufügen")
                                          : Msg->GetString(hMsg_, ViewCaptionMsg, "Event anzeigen");
    setWindowTitle(QString::fromStdString(caption));
}

void frmPlent::SetEditable(bool editable)
{
    editable_ = editable;
    ui_.cmdOK->setEnabled(editable);
    for (QObject* control : Controls()) {
        if (auto* box = qobject_cast<QLineEdit*>(control)) box->setReadOnly(!editable);
        else if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control) ||
                 qobject_cast<Platform::Grid*>(control))
            static_cast<QWidget*>(control)->setEnabled(editable);
    }
    if (editable) ui_.msgMonthDay->setEnabled(false);
    else ui_.msgMonth->setEnabled(true);
    ui_.txtIdentifier->setReadOnly(true);
    showCaption();
}

void frmPlent::ShowModal()
{
    centreOverOwner();
    Show(Platform::ShowStyle::Modal);
}

void frmPlent::centreOverOwner()
{
    QWidget* owner = QApplication::activeWindow();
    if (owner == this) owner = nullptr;
    QRect area = owner ? owner->frameGeometry() : QRect();
    if (!owner && screen()) area = screen()->availableGeometry();
    if (area.isValid()) {
        QRect frame = frameGeometry();
        frame.moveCenter(area.center());
        move(keptOnScreen(frame, owner ? owner->screen() : screen()));
    }
    if (owner && owner->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(owner->windowHandle());
    }
}

// The user's close box acts like Cancel and leaves the window loaded; the
// system's close cancels too, and unloads it.
void frmPlent::Form_QueryUnload(bool& Cancel, Platform::UnloadMode mode)
{
    if (mode == Platform::UnloadMode::FormCode) return;
    cmdCancel_Click();
    Cancel = mode == Platform::UnloadMode::FormControlMenu;
}

void frmPlent::Form_Unload() { Msg.reset(); }

// ---- Repetition, flags, delay and count

void frmPlent::optRetryMode_Click(int Index)
{
    if (Index <= RetryMode::Once) showOneTimeMode(Index == RetryMode::Once);
    else showRepeatingMode(Index);
}

void frmPlent::showOneTimeMode(bool once)
{
    ui_.chkDelete->setEnabled(true);
    ui_.fraFromTo->setVisible(false);
    ui_.fraRetry->setVisible(false);
    ui_.chkMove->setEnabled(false);
    ui_.txtDelay->setEnabled(once);
    if (once) txtDelay_Change();
    else setDelayOptionsEnabled(false);
    setStartBoxesEnabled(once);
    ui_.sstabPlent->setTabEnabled(UnlessTab, false);
}

void frmPlent::showRepeatingMode(int index)
{
    ui_.fraFromTo->setVisible(index <= RetryMode::Hours);
    ui_.fraRetry->setVisible(true);
    ui_.chkDelete->setEnabled(false);
    ui_.chkMove->setEnabled(true);
    ui_.txtDelay->setEnabled(true);
    txtDelay_Change();
    ui_.lblRetry2->setText(ui_.optRetryMode[static_cast<size_t>(index)]->text());
    CaptionFitter::fit(*ui_.lblRetry2);
    setStartBoxesEnabled(true);
    ui_.sstabPlent->setTabEnabled(UnlessTab, true);
}

void frmPlent::setDelayOptionsEnabled(bool enabled)
{
    for (QRadioButton* option : ui_.optDelay) option->setEnabled(enabled);
}

void frmPlent::setModesEnabled(int first, int last, bool enabled)
{
    for (int i = first; i <= last; ++i) ui_.optRetryMode[static_cast<size_t>(i)]->setEnabled(enabled);
}

void frmPlent::setStartBoxesEnabled(bool enabled)
{
    ui_.txtFirstStartDate->setEnabled(enabled);
    ui_.txtFirstStartHour->setEnabled(enabled);
}

// Deleting after the first start contradicts a repetition.
void frmPlent::chkDelete_Click()
{
    setModesEnabled(RetryMode::Minutes, RetryMode::Years, !ui_.chkDelete->isChecked());
}

// Moving to the next day needs a repetition to move within.
void frmPlent::chkMove_Click()
{
    setModesEnabled(RetryMode::OncePerRun, RetryMode::Once, !ui_.chkMove->isChecked());
}

void frmPlent::txtDelay_Change() { setDelayOptionsEnabled(isNonZeroInteger(ui_.txtDelay->text())); }

void frmPlent::txtRetry_Change()
{
    if (!isNonZeroInteger(ui_.txtRetry->text())) ui_.txtRetry->setText(QStringLiteral("1"));
}

void frmPlent::sstabPlent_Click(int)
{
    if (ui_.sstabPlent->currentIndex() != UnlessTab) return;
    modGridSel::ShowSelection(*ui_.msgDays, marks_.days());
    modGridSel::ShowSelection(*ui_.msgWeekDay, marks_.weekDays());
}

// ---- OK and Cancel

void frmPlent::cmdOK_Click()
{
    if (const auto failure = EditorChecks::firstFailure(Draft(), taken_)) return sendTo(failure->tab, failure->entry);
    confirmed_ = true;
    Hide();
}

// A failed check may concern an entry that the chosen repetition disables
// or hides: its tab still comes to the front, shown disabled, but the
// focus stays where it was, since such a control cannot take it.
void frmPlent::sendTo(int tab, EditorEntry entry)
{
    ui_.sstabPlent->setCurrentIndex(tab);
    QWidget* widget = entryWidget(entry);
    if (widget->isEnabled() && widget->isVisibleTo(this)) widget->setFocus(Qt::OtherFocusReason);
}

QWidget* frmPlent::entryWidget(EditorEntry entry) const
{
    switch (entry) {
    case EditorEntry::Identifier: return ui_.txtIdentifier;
    case EditorEntry::FirstStart: return ui_.txtFirstStartDate;
    case EditorEntry::From: return ui_.txtFrom;
    case EditorEntry::To: return ui_.txtTo;
    case EditorEntry::WeekDays: return ui_.msgWeekDay;
    case EditorEntry::Days: return ui_.msgDays;
    case EditorEntry::MonthDays: break;
    }
    return ui_.msgMonth;
}

void frmPlent::cmdCancel_Click()
{
    confirmed_ = false;
    Hide();
}

// ---- Calendar grids

void frmPlent::msgDays_Click() { modGridSel::SelectCells(*ui_.msgDays, marks_.days(), true); }

void frmPlent::msgWeekDay_Click() { modGridSel::SelectCells(*ui_.msgWeekDay, marks_.weekDays(), true); }

void frmPlent::msgDays_KeyPress(int KeyAscii)
{
    if (KeyAscii == CharEnter || KeyAscii == CharSpace) msgDays_Click();
}

void frmPlent::msgWeekDay_KeyPress(int KeyAscii)
{
    if (KeyAscii == CharEnter || KeyAscii == CharSpace) msgWeekDay_Click();
}

void frmPlent::msgMonth_Click()
{
    modGridSel::SelectCells(*ui_.msgMonth, month_, false);
    ui_.msgMonthDay->setEnabled(editable_);
    const int month = chosenMonth();
    if (month != 0) modGridSel::ShowSelection(*ui_.msgMonthDay, marks_.monthDays(month));
    CalendarGridSetup::labelLastCells(*ui_.msgMonthDay, month == February);
}

int frmPlent::chosenMonth() const
{
    const auto chosen = std::find(month_.begin() + 1, month_.end(), true);
    return chosen == month_.end() ? 0 : static_cast<int>(chosen - month_.begin());
}

// Cells the chosen month does not offer stay unmarked, whatever the click
// or the dragged block covered.
void frmPlent::msgMonthDay_Click()
{
    const int month = chosenMonth();
    if (month == 0) return;
    const std::span<bool> marks = marks_.monthDays(month);
    modGridSel::SelectCells(*ui_.msgMonthDay, marks, true);
    Platform::Grid& grid = *ui_.msgMonthDay;
    if (month != February) return modGridSel::setMark(grid, marks, CalendarMarks::LastDay, false);
    modGridSel::setMark(grid, marks, 30, false);
    modGridSel::setMark(grid, marks, 31, false);
}

// ---- The draft

EventDraft frmPlent::Draft() const
{
    EventDraft d;
    d.identifier = textOf(*ui_.txtIdentifier);
    d.parameter = textOf(*ui_.txtParameter);
    d.description = textOf(*ui_.txtDescription);
    d.firstStartDate = textOf(*ui_.txtFirstStartDate);
    d.firstStartHour = textOf(*ui_.txtFirstStartHour);
    d.deleteAfterDone = ui_.chkDelete->isChecked();
    d.moveToNextDay = ui_.chkMove->isChecked();
    d.delay = textOf(*ui_.txtDelay);
    d.delayMode = selectedOf(ui_.optDelay);
    d.retryMode = selectedOf(ui_.optRetryMode);
    d.retry = textOf(*ui_.txtRetry);
    d.from = textOf(*ui_.txtFrom);
    d.to = textOf(*ui_.txtTo);
    d.marks = marks_;
    return d;
}

// In the order in which the handlers expect them: the repetition's rules
// see the flags and the delay already written. The grids are painted when
// their tab comes up.
void frmPlent::setDraft(const EventDraft& d)
{
    write(*ui_.txtIdentifier, d.identifier);
    write(*ui_.txtParameter, d.parameter);
    write(*ui_.txtDescription, d.description);
    write(*ui_.txtFirstStartDate, d.firstStartDate);
    write(*ui_.txtFirstStartHour, d.firstStartHour);
    ui_.chkDelete->setChecked(d.deleteAfterDone);
    ui_.chkMove->setChecked(d.moveToNextDay);
    write(*ui_.txtDelay, d.delay);
    select(ui_.optDelay, d.delayMode);
    select(ui_.optRetryMode, d.retryMode);
    write(*ui_.txtRetry, d.retry);
    write(*ui_.txtFrom, d.from);
    write(*ui_.txtTo, d.to);
    marks_ = d.marks;
}

void frmPlent::setMode(EditorMode mode, const IdentifierTaken& taken)
{
    if (mode != EditorMode::Add) SetEditable(mode == EditorMode::Edit);
    taken_ = mode == EditorMode::Add ? taken : IdentifierTaken();
}

std::optional<EventDraft> frmPlent::Edit(const EventDraft& draft, EditorMode mode, const IdentifierTaken& taken)
{
    setDraft(draft);
    setMode(mode, taken);
    confirmed_ = false;
    ShowModal();
    if (!confirmed_) return std::nullopt;
    return Draft();
}

} // namespace Plent
