#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <functional>

namespace Platform {

// The rows of a ReportList: per row its cells, the main text first and then
// the sub-items in column order. A row may hold fewer cells than there are
// columns; the missing ones read empty.
class ReportListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void addColumn(const QString& header);
    QString headerText(int column) const;

    // Replaces every row in one reset, so that the views ask only for the
    // rows they show.
    void setRows(QList<QStringList> rows);
    void addRow(QStringList cells);

    // Rows made when they are needed: after invalidateRows, the first
    // question about a row or the row count takes every row from the
    // source. A list rebuilt many times before anyone looks at it makes its
    // rows once.
    using RowSource = std::function<QList<QStringList>()>;
    void setRowSource(RowSource source) { source_ = std::move(source); }
    void invalidateRows();
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const QList<QStringList>& rows() const;

    QStringList headers_;
    RowSource source_;
    // Made anew from source_ at the next read while stale_.
    mutable QList<QStringList> rows_;
    mutable bool stale_ = false;
};

} // namespace Platform
