#include "modGridSel.h"

#include <algorithm>

#include "Platform/ui/Grid.h"

namespace Plent {

using Platform::Grid;

int modGridSel::cellNumber(const Grid& grid, int row, int col) { return row * grid.columnCount() + col + 1; }

void modGridSel::paint(Grid& grid, int row, int col, bool marked)
{
    const QPalette& palette = grid.palette();
    grid.setCellBackColor(row, col, palette.color(marked ? QPalette::Highlight : QPalette::Base));
    grid.setCellForeColor(row, col, palette.color(marked ? QPalette::HighlightedText : QPalette::Text));
}

void modGridSel::setMark(Grid& grid, std::span<bool> marks, int k, bool marked)
{
    if (k < 1 || static_cast<size_t>(k) >= marks.size()) return;
    marks[static_cast<size_t>(k)] = marked;
    paint(grid, (k - 1) / grid.columnCount(), (k - 1) % grid.columnCount(), marked);
}

void modGridSel::ShowSelection(Grid& grid, std::span<const bool> marks)
{
    grid.setRedraw(false);
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int col = 0; col < grid.columnCount(); ++col) {
            const auto k = static_cast<size_t>(cellNumber(grid, row, col));
            paint(grid, row, col, k < marks.size() && marks[k]);
        }
    }
    grid.setCurrentCell(0, 0);
    grid.setRedraw(true);
}

void modGridSel::SelectCells(Grid& grid, std::span<bool> marks, bool several)
{
    if (grid.row() < 0 || grid.col() < 0) return;
    if (!several) return markOnlyCurrent(grid, marks);
    if (grid.row() == grid.rowSel() && grid.col() == grid.colSel()) return toggle(grid, marks, grid.row(), grid.col());
    markBlock(grid, marks);
}

void modGridSel::toggle(Grid& grid, std::span<bool> marks, int row, int col)
{
    const int k = cellNumber(grid, row, col);
    const bool marked = static_cast<size_t>(k) < marks.size() && marks[static_cast<size_t>(k)];
    setMark(grid, marks, k, !marked);
}

void modGridSel::markBlock(Grid& grid, std::span<bool> marks)
{
    const auto [top, bottom] = std::minmax({grid.row(), grid.rowSel()});
    const auto [left, right] = std::minmax({grid.col(), grid.colSel()});
    grid.setRedraw(false);
    for (int row = top; row <= bottom; ++row) {
        for (int col = left; col <= right; ++col) setMark(grid, marks, cellNumber(grid, row, col), true);
    }
    grid.setRedraw(true);
}

void modGridSel::markOnlyCurrent(Grid& grid, std::span<bool> marks)
{
    grid.setRedraw(false);
    for (int k = 1; k <= grid.rowCount() * grid.columnCount(); ++k) setMark(grid, marks, k, false);
    setMark(grid, marks, cellNumber(grid, grid.row(), grid.col()), true);
    grid.setRedraw(true);
}

} // namespace Plent
