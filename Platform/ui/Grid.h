#pragma once
#include <QColor>
#include <QTableWidget>

namespace Platform {

// A grid of text cells without headers: rows and columns count from 0 and
// every cell holds data. Rows, columns and column widths in pixels are those
// of QTableWidget (setRowCount, setColumnCount, setColumnWidth); the cells
// cannot be edited.
//
// The current cell (row(), col()) is where the user pressed the mouse or
// where code or the arrow keys put it; the far corner of the selection
// (rowSel(), colSel()) is where a drag with the left button ended. After a
// single click both name the same cell, and so they do after code moved the
// current cell with setCurrentCell. When the button is released,
// `selectionFinished` is sent; the dragged block is only highlighted while
// the button is held, so that afterwards every cell shows its own colours.
// Presses outside the cells and other buttons select nothing.
class Grid : public QTableWidget {
    Q_OBJECT
public:
    explicit Grid(QWidget* parent = nullptr);

    int row() const { return currentRow(); }
    int col() const { return currentColumn(); }
    int rowSel() const { return selEnd_.row(); }
    int colSel() const { return selEnd_.column(); }

    // A cell never coloured answers the grid's own colours (palette Base and
    // Text). Cells outside the grid read empty, with invalid colours, and are
    // not written.
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    QColor cellBackColor(int row, int col) const;
    void setCellBackColor(int row, int col, const QColor& color);
    QColor cellForeColor(int row, int col) const;
    void setCellForeColor(int row, int col, const QColor& color);

    // Drawing is suspended while false; true draws every change made
    // meanwhile at once.
    bool redraw() const { return updatesEnabled(); }
    void setRedraw(bool on) { setUpdatesEnabled(on); }

signals:
    // The mouse button went up after a click or a drag over the cells.
    void selectionFinished();
    // A key with a character was pressed: Enter gives 13, Space 32, a letter
    // its character code. Keys without a character (arrows) move the
    // current cell instead.
    void keyPressed(int charCode);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool contains(int row, int col) const;
    QColor cellColor(int row, int col, int role, QPalette::ColorRole fallback) const;
    void setCellColor(int row, int col, int role, const QColor& color);
    // The item of a cell inside the grid, made on first use.
    QTableWidgetItem* cell(int row, int col);
    void selectBlock();

    QPersistentModelIndex selEnd_;
    bool dragging_ = false;
};

} // namespace Platform
