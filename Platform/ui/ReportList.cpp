#include "ReportList.h"

#include "Twips.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>

namespace Platform {

namespace {
constexpr int DefaultColumnWidthTwips = 1440;
}

ReportList::ReportList(QWidget* parent)
    : QTreeView(parent)
    , model_(new ReportListModel(this))
{
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    header()->setDefaultSectionSize(Twips::toPixels(DefaultColumnWidthTwips));
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    connect(this, &QAbstractItemView::activated, this, [this](const QModelIndex& index) { emit rowActivated(index.row()); });
}

void ReportList::addColumn(const QString& header)
{
    model_->addColumn(header);
}

// A cell's text has the focus frame's margin and one pixel on either side,
// and the item's text layout rounds its width up by one more. The font is
// the one the style gives the list, also before it is shown.
void ReportList::fitColumn(int column, const QStringList& samples, int maxWidth)
{
    ensurePolished();
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
    int width = header()->sectionSizeHint(column);
    for (const QString& sample : samples) width = std::max(width, fontMetrics().horizontalAdvance(sample) + margins);
    if (maxWidth > 0) width = std::min(width, maxWidth);
    setColumnWidth(column, width);
}

int ReportList::hitTest(const QPoint& pos) const
{
    // A row reaches across the whole width, also past its last column.
    const int edge = isRightToLeft() ? viewport()->width() - 1 : 0;
    const QModelIndex index = indexAt({edge, pos.y()});
    return index.isValid() ? index.row() : -1;
}

void ReportList::highlightRow(int row)
{
    highlighting_ = true;
    if (row < 0) {
        selectionModel()->clear();
    } else {
        setCurrentIndex(model_->index(row, 0));
        scrollTo(currentIndex());
    }
    highlighting_ = false;
}

void ReportList::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTreeView::currentChanged(current, previous);
    if (!highlighting_) emit rowChosen(current.isValid() ? current.row() : -1);
}

void ReportList::mousePressEvent(QMouseEvent* event)
{
    QTreeView::mousePressEvent(event);
    emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void ReportList::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
}

} // namespace Platform
