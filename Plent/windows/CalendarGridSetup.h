#pragma once
#include <cstdint>

namespace Platform {
class Grid;
}

namespace Plent {

class CMsg;

// The four calendar grids of the editor: their cells, sizes and texts.
class CalendarGridSetup {
public:
    // Rows, columns, column widths, sizes, and the day numbers of the two
    // day grids (1..31 and "X" in the days grid; the month-day grid's
    // last cells follow the chosen month, see labelLastCells).
    static void layOut(Platform::Grid& weekDays, Platform::Grid& months, Platform::Grid& days,
                       Platform::Grid& monthDays);
    // The weekday and month names, in the language of the library.
    static void fillTitles(CMsg& msg, int32_t hMsg, Platform::Grid& weekDays, Platform::Grid& months);
    // February offers no 30 and 31 but its own last day "X"; the other
    // months offer 30 and 31 and no "X".
    static void labelLastCells(Platform::Grid& monthDays, bool february);

private:
    static void shape(Platform::Grid& grid, int rows, int cols, int colWidth, int cellWidth, int cellHeight);
    static void numberDays(Platform::Grid& grid);
};

} // namespace Plent
