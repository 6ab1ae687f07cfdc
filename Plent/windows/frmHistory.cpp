#include "frmHistory.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

#include "frmShowPlents.h"
#include "Plent/history/HistoryReader.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/boxes/MessageBox.h"
#include "Platform/ui/ReportList.h"
#include "Platform/ui/Twips.h"

namespace Plent {

namespace {

// The texts, by message number of the list window and German design text.
enum HistoryText : int16_t { Title = 35, FirstColumn, OutputLabel = 41, ManualStart };

constexpr const char* ColumnDesigns[] = {"Zeit", "fälliger Start", "Ergebnis", "Exit-Status oder Signal", "Dauer"};

constexpr int WindowWidth = 9000;
constexpr int WindowHeight = 6000;

} // namespace

frmHistory* frmHistory::open(frmShowPlents& list, const std::string& identifier)
{
    auto* window = new frmHistory(list, identifier);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

frmHistory::frmHistory(frmShowPlents& list, std::string identifier)
    : QWidget(&list, Qt::Window)
    , list_(list)
    , identifier_(std::move(identifier))
    , lvwRuns(new Platform::ReportList)
    , lblOutput(new QLabel)
    , txtOutput(new QPlainTextEdit)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("frmHistory");
    lvwRuns->setObjectName("lvwRuns");
    lblOutput->setObjectName("lblOutput");
    txtOutput->setObjectName("txtOutput");
    txtOutput->setReadOnly(true);
    txtOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtOutput->setFont(QFont("monospace"));
    setWindowTitle(text(Title, "Verlauf von %1").arg(QString::fromStdString(identifier_)));
    lblOutput->setText(text(OutputLabel, "Ausgabe des gewählten Laufs:"));

    auto* below = new QWidget;
    auto* belowLayout = new QVBoxLayout(below);
    belowLayout->setContentsMargins(0, 0, 0, 0);
    belowLayout->addWidget(lblOutput);
    belowLayout->addWidget(txtOutput);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(lvwRuns);
    splitter->addWidget(below);
    (new QVBoxLayout(this))->addWidget(splitter);
    resize(Platform::Twips::toPixels(WindowWidth), Platform::Twips::toPixels(WindowHeight));

    InitColumns();
    connect(lvwRuns, &Platform::ReportList::rowChosen, this, &frmHistory::lvwRuns_RowChosen);
    connect(&list, &frmShowPlents::historyRead, this, &frmHistory::Reload);
    Reload();
    widenForColumns();
}

// Wide enough that no column of the runs is cut, as far as the screen allows.
void frmHistory::widenForColumns()
{
    QHeaderView* header = lvwRuns->header();
    header->setStretchLastSection(false);
    lvwRuns->resizeColumnToContents(lvwRuns->columnCount() - 1);
    const QMargins margins = layout()->contentsMargins();
    const int wanted = header->length() + 2 * lvwRuns->frameWidth() + lvwRuns->verticalScrollBar()->sizeHint().width()
                     + margins.left() + margins.right();
    header->setStretchLastSection(true);
    const int room = screen()->availableGeometry().width();
    if (wanted > width()) resize(std::min(wanted, room), height());
}

QString frmHistory::text(int16_t msgNr, const char* design) const
{
    return QString::fromStdString(list_.Text(msgNr, design));
}

void frmHistory::InitColumns()
{
    int16_t nr = FirstColumn;
    for (const char* design : ColumnDesigns) lvwRuns->addColumn(text(nr++, design));
    lvwRuns->header()->setStretchLastSection(true);
}

void frmHistory::Reload()
{
    const int chosen = lvwRuns->currentIndex().row();
    const QString run = chosen >= 0 && chosen < runs_.count() ? runs_.run(chosen) : QString();
    runs_ = {};
    if (!list_.HistoryFile().empty()) {
        try {
            runs_ = History::EventRunRows(History::HistoryReader::read(list_.HistoryFile()).runs, identifier_);
        } catch (const Platform::AutomationError& error) {
            Platform::MessageBox::showError(list_.ReportText(error));
        }
    }
    const QString manual = text(ManualStart, "von Hand gestartet");
    QList<QStringList> rows;
    int highlight = runs_.count() > 0 ? 0 : -1;
    for (int row = 0; row < runs_.count(); ++row) {
        rows.append(runs_.cells(row, manual));
        if (!run.isEmpty() && runs_.run(row) == run) highlight = row;
    }
    lvwRuns->setRows(std::move(rows));
    for (int column = 0; column < lvwRuns->columnCount() - 1; ++column) lvwRuns->resizeColumnToContents(column);
    lvwRuns->highlightRow(highlight);
    lvwRuns_RowChosen(highlight);
}

void frmHistory::lvwRuns_RowChosen(int row)
{
    txtOutput->setPlainText(row >= 0 && row < runs_.count() ? runs_.output(row) : QString());
}

} // namespace Plent
