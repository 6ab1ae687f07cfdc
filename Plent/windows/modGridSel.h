#pragma once
#include <span>

namespace Platform {
class Grid;
}

namespace Plent {

// Marking and painting the calendar grids from their tables of marks. The
// cell in row r and column c is number r * columns + c + 1, its mark's index.
// Marked cells show the system's highlight colours, the others the window's
// background and text colours.
class modGridSel {
public:
    // Paints every cell from its mark and makes cell (0, 0) current.
    static void ShowSelection(Platform::Grid& grid, std::span<const bool> marks);
    // Applies the user's click or drag. With several, a click toggles one
    // cell and a dragged block marks all of its cells, never unmarking; without,
    // the current cell becomes the only marked one.
    static void SelectCells(Platform::Grid& grid, std::span<bool> marks, bool several);

    static int cellNumber(const Platform::Grid& grid, int row, int col);
    // Gives one cell its mark and the colours that go with it.
    static void setMark(Platform::Grid& grid, std::span<bool> marks, int k, bool marked);

private:
    static void paint(Platform::Grid& grid, int row, int col, bool marked);
    static void toggle(Platform::Grid& grid, std::span<bool> marks, int row, int col);
    static void markBlock(Platform::Grid& grid, std::span<bool> marks);
    static void markOnlyCurrent(Platform::Grid& grid, std::span<bool> marks);
};

} // namespace Plent
