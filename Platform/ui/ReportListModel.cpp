#include "ReportListModel.h"

namespace Platform {

void ReportListModel::addColumn(const QString& header)
{
    const int column = static_cast<int>(headers_.size());
    beginInsertColumns({}, column, column);
    headers_.append(header);
    endInsertColumns();
}

QString ReportListModel::headerText(int column) const
{
    return headers_.value(column);
}

void ReportListModel::setRows(QList<QStringList> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    stale_ = false;
    endResetModel();
}

void ReportListModel::addRow(QStringList cells)
{
    const int row = static_cast<int>(rows().size());
    beginInsertRows({}, row, row);
    rows_.append(std::move(cells));
    endInsertRows();
}

// Views that were reset and have not read since need no second reset.
void ReportListModel::invalidateRows()
{
    if (stale_ || !source_) return;
    beginResetModel();
    stale_ = true;
    endResetModel();
}

const QList<QStringList>& ReportListModel::rows() const
{
    if (stale_) {
        stale_ = false;
        rows_ = source_ ? source_() : QList<QStringList>();
    }
    return rows_;
}

QString ReportListModel::cellText(int row, int column) const
{
    if (row < 0 || row >= rows().size()) return {};
    return rows_[row].value(column);
}

int ReportListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows().size());
}

int ReportListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return cellText(index.row(), index.column());
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return headerText(section);
}

} // namespace Platform
