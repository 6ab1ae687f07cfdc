#include "Grid.h"

#include "Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace Platform {

namespace {
constexpr int DefaultRowHeightTwips = 240;
}

Grid::Grid(QWidget* parent)
    : QTableWidget(parent)
{
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->hide();
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    verticalHeader()->setDefaultSectionSize(Twips::toPixels(DefaultRowHeightTwips));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(ContiguousSelection);
    setTabKeyNavigation(false);
    // A cell too narrow for its text clips it, as a cell grid does; an
    // ellipsis would hide two-digit day numbers in a narrow day grid.
    setTextElideMode(Qt::ElideNone);
}

QString Grid::text(int row, int col) const
{
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void Grid::setText(int row, int col, const QString& text)
{
    if (QTableWidgetItem* it = cell(row, col)) it->setText(text);
}

QColor Grid::cellBackColor(int row, int col) const
{
    return cellColor(row, col, Qt::BackgroundRole, QPalette::Base);
}

void Grid::setCellBackColor(int row, int col, const QColor& color)
{
    setCellColor(row, col, Qt::BackgroundRole, color);
}

QColor Grid::cellForeColor(int row, int col) const
{
    return cellColor(row, col, Qt::ForegroundRole, QPalette::Text);
}

void Grid::setCellForeColor(int row, int col, const QColor& color)
{
    setCellColor(row, col, Qt::ForegroundRole, color);
}

QColor Grid::cellColor(int row, int col, int role, QPalette::ColorRole fallback) const
{
    if (!contains(row, col)) return {};
    const QTableWidgetItem* it = item(row, col);
    const QVariant brush = it ? it->data(role) : QVariant();
    return brush.isValid() ? brush.value<QBrush>().color() : palette().color(fallback);
}

void Grid::setCellColor(int row, int col, int role, const QColor& color)
{
    if (QTableWidgetItem* it = cell(row, col)) it->setData(role, QBrush(color));
}

bool Grid::contains(int row, int col) const
{
    return row >= 0 && row < rowCount() && col >= 0 && col < columnCount();
}

QTableWidgetItem* Grid::cell(int row, int col)
{
    if (!contains(row, col)) return nullptr;
    if (QTableWidgetItem* it = item(row, col)) return it;
    auto* it = new QTableWidgetItem;
    setItem(row, col, it);
    return it;
}

// Only a mouse drag selects (see selectBlock); clicks, keys and code move the
// current cell without highlighting it, so it keeps showing its own colours.
QItemSelectionModel::SelectionFlags Grid::selectionCommand(const QModelIndex&, const QEvent*) const
{
    return QItemSelectionModel::NoUpdate;
}

void Grid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableWidget::currentChanged(current, previous);
    selEnd_ = current;
}

void Grid::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid()) return;
    setCurrentIndex(index);
    selEnd_ = index;
    dragging_ = true;
}

void Grid::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_) return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || index == selEnd_) return;
    selEnd_ = index;
    selectBlock();
}

void Grid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    clearSelection();
    emit selectionFinished();
}

void Grid::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.isEmpty()) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    emit keyPressed(text.at(0).unicode());
}

void Grid::selectBlock()
{
    const QModelIndex anchor = currentIndex();
    const auto [top, bottom] = std::minmax({anchor.row(), selEnd_.row()});
    const auto [left, right] = std::minmax({anchor.column(), selEnd_.column()});
    const QItemSelection block(model()->index(top, left), model()->index(bottom, right));
    selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
}

} // namespace Platform
