#include "frmShowPlents.h"

#include <QEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "ListColumnWidths.h"
#include "ListCommand.h"
#include "ListWindowCommands.h"
#include "ShowPlentsBar.h"
#include "Plent/engine/CPlentEngine.h"
#include "Plent/files/RunnerFiles.h"
#include "Plent/history/HistoryReader.h"
#include "Platform/automation/AutomationError.h"
#include "Plent/msg/CMsg.h"
#include "Platform/ui/ActiveBar.h"
#include "Platform/ui/ReportList.h"
#include "Platform/ui/Twips.h"
#include "Platform/ui/UiProperties.h"

namespace Plent {

namespace {

using Platform::Twips;

constexpr int WindowHeight = 3600;
constexpr int VisibleRows = 12;

struct TextDesign {
    int16_t msgNr;
    const char* text;
};

constexpr TextDesign ColumnHeaders[] = {
    {6, "Identifizierung"}, {7, "Beschreibung"}, {8, "nächster Start"}, {9, "letzter Start"}, {10, "letzter Status"},
    {32, "letztes Ergebnis"},
};

// The texts of Status 0 to 4.
constexpr TextDesign StatusTexts[PlentRowTexts::StatusCount] = {
    {1, "noch offen"}, {2, "durchgeführt"}, {3, "als durchgeführt betrachtet"}, {4, "Alarm"}, {5, "angehalten"},
};

// The title of the window without a file: the runner's.
constexpr TextDesign RunnerTitle{50, "%1 - Pelmor (Ausführung)"};

} // namespace

frmShowPlents::frmShowPlents()
    : Msg(std::make_unique<CMsg>())
    , clientArea_(new QWidget(this))
    , lvwPlents(new Platform::ReportList(clientArea_))
    , ActiveBar1(new Platform::ActiveBar(this))
    , commands_(new ListWindowCommands(*this, *ActiveBar1, *lvwPlents))
    , historyWatcher_(new QFileSystemWatcher(this))
{
    setWindowTitle("Anzeigen aller Events");
    takeCaption(QString::fromUtf8(RunnerTitle.text));
    Platform::UiProperties::setTag(this, "MsgNr=0");
    lvwPlents->setObjectName("lvwPlents");
    ActiveBar1->setObjectName("ActiveBar1");
    ShowPlentsBar::Build(*ActiveBar1);
    setCentralWidget(clientArea_);
    clientArea_->installEventFilter(this);
    lvwPlents->setRowSource([this] { return rows(); });
    connect(lvwPlents, &Platform::ReportList::mousePressed, this, &frmShowPlents::lvwPlents_MouseDown);
    connect(lvwPlents, &Platform::ReportList::rowChosen, this, &frmShowPlents::lvwPlents_RowChosen);
    connect(historyWatcher_, &QFileSystemWatcher::fileChanged, this, &frmShowPlents::readHistory);
    connect(historyWatcher_, &QFileSystemWatcher::directoryChanged, this, &frmShowPlents::historyMayHaveAppeared);

    resize(Twips::toPixels(WindowWidth), Twips::toPixels(WindowHeight));
    // The free area gets its size now, not only when the window is shown.
    layout()->activate();
    openTallEnough();
    ArrangeControls();
    UpdateTools();
}

// The list outlives the members its rows are made from.
frmShowPlents::~frmShowPlents() { lvwPlents->setRowSource({}); }

int16_t frmShowPlents::MsgOffSet() const { return Msg ? Msg->OffSet() : 0; }

std::string frmShowPlents::Text(int16_t msgNr, const std::string& design)
{
    return Msg ? Msg->GetString(hMsg_, msgNr, design) : design;
}

void frmShowPlents::setEngine(std::shared_ptr<CPlentEngine> engine)
{
    engine_ = std::move(engine);
    commands_->markSaved();
}

void frmShowPlents::setEventFile(std::string eventFile)
{
    eventFile_ = std::move(eventFile);
    commands_->markSaved();
    ShowTitle();
}

void frmShowPlents::Init(int32_t hMsg, int16_t iOffSet)
{
    Msg->setOffSet(iOffSet);
    hMsg_ = hMsg;
    Msg->SetAll(hMsg, this);
    takeCaption(QString::fromStdString(Text(RunnerTitle.msgNr, RunnerTitle.text)));
    InitColumns();
    loadStatusTexts();
}

// The last column, the runs' result, takes what room the others leave.
void frmShowPlents::InitColumns()
{
    for (const TextDesign& header : ColumnHeaders)
        lvwPlents->addColumn(QString::fromStdString(Msg->GetString(hMsg_, header.msgNr, header.text)));
    lvwPlents->header()->setStretchLastSection(true);
}

// Looked up once: a text missing in the library is announced once, not at
// every rebuild of every row.
void frmShowPlents::loadStatusTexts()
{
    std::array<QString, PlentRowTexts::StatusCount> texts;
    for (size_t status = 0; status < texts.size(); ++status) {
        const TextDesign& design = StatusTexts[status];
        texts[status] = QString::fromStdString(Msg->GetString(hMsg_, design.msgNr, design.text));
    }
    rowTexts_.setStatusTexts(std::move(texts));
}

// The rows are made from the events when the list is next looked at, so
// that the rebuilds after a poll's many hand-outs make them once.
void frmShowPlents::FillList()
{
    followHistory();
    lvwPlents->invalidateRows();
    fitColumnsOnce();
    UpdateTools();
    ShowTitle();
    highlightSelectedSoon();
}

void frmShowPlents::takeCaption(const QString& runnerTitle)
{
    caption_ = windowTitle();
    runnerTitle_ = runnerTitle.arg(caption_);
}

void frmShowPlents::ShowTitle()
{
    if (eventFile_.empty()) return setWindowTitle(runnerTitle_);
    const QString name = QString::fromStdString(std::filesystem::path(eventFile_).filename().string());
    setWindowTitle(name + "[*] - " + caption_);
    setWindowModified(commands_->eventsChanged());
}

void frmShowPlents::highlightSelectedSoon()
{
    if (highlightPending_) return;
    highlightPending_ = true;
    QMetaObject::invokeMethod(this, &frmShowPlents::highlightSelected, Qt::QueuedConnection);
}

void frmShowPlents::highlightSelected()
{
    highlightPending_ = false;
    const QString selected = QString::fromStdString(selectedIdentifier_);
    int row = -1;
    for (int r = 0; !selected.isEmpty() && r < lvwPlents->rowCount() && row < 0; ++r)
        if (lvwPlents->text(r) == selected) row = r;
    lvwPlents->highlightRow(row);
}

// Only at the first fill: the widths the user gives the columns stay.
void frmShowPlents::fitColumnsOnce()
{
    if (columnsFitted_ || !engine_) return;
    columnsFitted_ = true;
    ListColumnWidths::fit(*lvwPlents, std::as_const(*engine_).Plents(), rowTexts_);
    openWideEnough();
}

// Columns that need more room than the design's width gives (longer texts,
// wider dates) widen the window, as far as its screen allows, so that the
// last column shows too.
void frmShowPlents::openWideEnough()
{
    const int last = lvwPlents->columnCount() - 1;
    int wanted = 2 * lvwPlents->frameWidth() + std::max(lvwPlents->header()->sectionSizeHint(last),
                                                        static_cast<QAbstractItemView*>(lvwPlents)->sizeHintForColumn(last));
    for (int column = 0; column < last; ++column) wanted += lvwPlents->columnWidth(column);
    const int shortfall = wanted - (clientArea_->width() - 2 * Twips::toPixels(ListLeft));
    if (shortfall <= 0) return;
    const int room = screen() ? screen()->availableGeometry().width() : width() + shortfall;
    resize(std::max(width(), std::min(width() + shortfall, room)), height());
    layout()->activate();
}

QList<QStringList> frmShowPlents::rows()
{
    if (!engine_) return {};
    QList<QStringList> made = rowTexts_.rows(std::as_const(*engine_).Plents());
    for (QStringList& row : made) row.append(results_.of(row.front().toStdString()));
    return made;
}

std::string frmShowPlents::FollowedFile() const
{
    return eventFile_.empty() && engine_ ? engine_->LoadedFile() : eventFile_;
}

void frmShowPlents::followHistory()
{
    const std::string events = FollowedFile();
    const std::string history = events.empty() ? std::string() : RunnerFiles::historyOf(events);
    if (history == historyFile_) return;
    if (!historyWatcher_->files().isEmpty()) historyWatcher_->removePaths(historyWatcher_->files());
    if (!historyWatcher_->directories().isEmpty()) historyWatcher_->removePaths(historyWatcher_->directories());
    historyFile_ = history;
    if (!history.empty()) historyWatcher_->addPath(QFileInfo(QString::fromStdString(history)).absolutePath());
    readHistory();
}

// Other files of the directory change at every poll; only a history that
// came into being, or replaced the watched one, is read.
void frmShowPlents::historyMayHaveAppeared()
{
    const QString path = QString::fromStdString(historyFile_);
    if (QFileInfo::exists(path) && !historyWatcher_->files().contains(path)) readHistory();
}

// The runner appends to the history, and replaces it when it drops old
// runs; a replaced file is watched anew.
void frmShowPlents::readHistory()
{
    results_ = {};
    if (!historyFile_.empty()) {
        const QString path = QString::fromStdString(historyFile_);
        if (QFileInfo::exists(path) && !historyWatcher_->files().contains(path)) historyWatcher_->addPath(path);
        try {
            results_ = History::LastResults(History::HistoryReader::read(historyFile_).runs);
        } catch (const Platform::AutomationError& error) {
            qWarning("%s", error.report().c_str());
        }
    }
    lvwPlents->invalidateRows();
    emit historyRead();
}

// The design's height shows only some seven rows below the bars: the window
// grows to show at least VisibleRows.
void frmShowPlents::openTallEnough()
{
    const int focusMargin = style()->pixelMetric(QStyle::PM_FocusFrameVMargin, nullptr, lvwPlents) + 1;
    const int rowHeight = lvwPlents->fontMetrics().height() + 2 * focusMargin;
    const int wanted = VisibleRows * rowHeight + lvwPlents->header()->sizeHint().height() + 2 * lvwPlents->frameWidth()
                     + Twips::toPixels(ListTop + ListLeft);
    if (clientArea_->height() >= wanted) return;
    resize(width(), height() + wanted - clientArea_->height());
    layout()->activate();
}

// A size that would be negative (a very small window) is left as it was.
void frmShowPlents::ArrangeControls()
{
    const int innerWidth = Twips::fromPixels(clientArea_->width());
    const int innerHeight = Twips::fromPixels(clientArea_->height());
    const int width = innerWidth - 2 * ListLeft;
    const int height = innerHeight - (ListTop + ListLeft);
    QRect geometry(Twips::toPixels(ListLeft), Twips::toPixels(ListTop), lvwPlents->width(), lvwPlents->height());
    if (width >= 0) geometry.setWidth(Twips::toPixels(width));
    if (height >= 0) geometry.setHeight(Twips::toPixels(height));
    lvwPlents->setGeometry(geometry);
}

bool frmShowPlents::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == clientArea_ && event->type() == QEvent::Resize) ArrangeControls();
    return Form::eventFilter(watched, event);
}

void frmShowPlents::lvwPlents_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, const QPoint& pos)
{
    const int row = lvwPlents->hitTest(pos);
    if (row < 0) lvwPlents->highlightRow(-1);
    lvwPlents_RowChosen(row);
}

void frmShowPlents::lvwPlents_RowChosen(int row)
{
    selectedIdentifier_ = row < 0 ? std::string() : lvwPlents->text(row).toStdString();
    UpdateTools();
}

std::shared_ptr<CPlent> frmShowPlents::selectedEvent() const
{
    if (selectedIdentifier_.empty() || !engine_) return nullptr;
    return std::as_const(*engine_).Plents().Item(selectedIdentifier_);
}

// Open and Save are never disabled, only hidden without an event file; the
// menu titles are no commands and are left as they are.
void frmShowPlents::UpdateTools()
{
    const std::shared_ptr<CPlent> selected = selectedEvent();
    const bool stopped = selected && selected->Status() == Status::Stopped;
    for (const ListCommand& command : ListCommand::All()) {
        Platform::ActiveBarTool* tool = ActiveBar1->Tool(command.name);
        if (command.needsEventFile) tool->setVisible(!eventFile_.empty());
        else tool->setEnabled(command.available(editAllowed_, selected != nullptr, stopped));
    }
}

// Hiding needs no password: nothing ends.
void frmShowPlents::Form_QueryUnload(bool& Cancel, Platform::UnloadMode mode)
{
    if (hideOnClose_ && mode == Platform::UnloadMode::FormControlMenu) {
        Cancel = true;
        hide();
        return;
    }
    commands_->Form_QueryUnload(Cancel, mode);
}

std::string frmShowPlents::ReportText(const Platform::AutomationError& error) const
{
    return engine_ ? engine_->errorReport().of(error) : error.report();
}

void frmShowPlents::Form_Unload()
{
    if (engine_) engine_->setObjShowEvents(nullptr);
    Msg.reset();
}

} // namespace Plent
