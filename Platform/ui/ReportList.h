#pragma once
#include <QTreeView>

#include "ReportListModel.h"

namespace Platform {

// A list of rows in columns under text headers: each row has a main text in
// the first column and sub-items in the others. Columns have a default
// width until fitted, the user may resize them, and they are not sorted;
// the rows stay in the order they were given.
//
// Positions (the mouse notifications, hitTest) are in the coordinates of
// viewport(), the area below the headers; viewport()->mapToGlobal turns
// them into screen positions, for a context menu for example.
class ReportList : public QTreeView {
    Q_OBJECT
public:
    explicit ReportList(QWidget* parent = nullptr);

    void addColumn(const QString& header);
    int columnCount() const { return model_->columnCount(); }
    QString headerText(int column) const { return model_->headerText(column); }
    // Widens or narrows a column so that its header and every sample show
    // whole, but to no more than maxWidth pixels (0: no limit).
    void fitColumn(int column, const QStringList& samples, int maxWidth = 0);

    // Rebuilds the list: every row is replaced at once.
    void setRows(QList<QStringList> rows) { model_->setRows(std::move(rows)); }
    // Cells of a row: the main text, then the sub-items.
    void addRow(QStringList cells) { model_->addRow(std::move(cells)); }
    void clear() { model_->setRows({}); }
    // Rows made on demand (see ReportListModel::setRowSource).
    void setRowSource(ReportListModel::RowSource source) { model_->setRowSource(std::move(source)); }
    void invalidateRows() { model_->invalidateRows(); }

    int rowCount() const { return model_->rowCount(); }
    QString text(int row) const { return model_->cellText(row, 0); }
    // Sub-items count from 1, the main text being column 0.
    QString subItem(int row, int index) const { return model_->cellText(row, index); }

    // The row at a position, or -1 when there is none (below the last row,
    // for example).
    int hitTest(const QPoint& pos) const;
    // Highlights a row as the current one (-1: none) without announcing it
    // as the user's choice.
    void highlightRow(int row);

signals:
    // The user moved the highlight, by mouse or keyboard, to that row (-1:
    // none).
    void rowChosen(int row);
    // Enter, or a double click, on that row.
    void rowActivated(int row);
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& pos);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& pos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    ReportListModel* model_;
    bool highlighting_ = false;
};

} // namespace Platform
