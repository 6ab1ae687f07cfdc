#include "CalendarGridSetup.h"

#include <QString>

#include <algorithm>
#include <array>

#include "Plent/msg/CMsg.h"
#include "Platform/ui/Grid.h"
#include "Platform/ui/Twips.h"

namespace Plent {

namespace {

using Platform::Grid;
using Platform::Twips;

// Message numbers and German defaults of the grid titles.
constexpr int FirstWeekDayMsg = 36;
constexpr int FirstMonthMsg = 43;
constexpr int FromTableMsg = 55;
constexpr std::array<const char*, 7> WeekDayNames{"Montag", "Dienstag", "Mittwoch", "Donnerstag",
                                                  "Freitag", "Samstag",  "Sonntag"};
constexpr std::array<const char*, 12> MonthNames{"Jänner", "Februar", "März",      "April",   "Mai",      "Juni",
                                                 "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

void setCellText(Grid& grid, int k, const QString& text)
{
    grid.setText((k - 1) / grid.columnCount(), (k - 1) % grid.columnCount(), text);
}

QString title(CMsg& msg, int32_t hMsg, int msgNr, const char* german)
{
    return QString::fromStdString(msg.GetString(hMsg, static_cast<int16_t>(msgNr), german));
}

} // namespace

void CalendarGridSetup::layOut(Grid& weekDays, Grid& months, Grid& days, Grid& monthDays)
{
    shape(weekDays, 8, 1, 1000, 1090, 251);
    shape(months, 6, 2, 1000, 1000, 251);
    shape(days, 4, 8, 300, 310, 260);
    shape(monthDays, 4, 8, 300, 310, 260);
    numberDays(days);
    setCellText(days, 32, QStringLiteral("X"));
    numberDays(monthDays);
}

// The grid is made large enough for all of its cells, should the design's
// size in twips round a pixel short.
void CalendarGridSetup::shape(Grid& grid, int rows, int cols, int colWidth, int cellWidth, int cellHeight)
{
    grid.setRowCount(rows);
    grid.setColumnCount(cols);
    for (int c = 0; c < cols; ++c) grid.setColumnWidth(c, Twips::toPixels(colWidth));
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * grid.frameWidth();
    const int width = std::max(Twips::toPixels(cols * cellWidth), cols * Twips::toPixels(colWidth) + frame);
    const int height = std::max(Twips::toPixels(rows * cellHeight), rows * grid.rowHeight(0) + frame);
    grid.resize(width, height);
}

void CalendarGridSetup::numberDays(Grid& grid)
{
    for (int k = 1; k <= 31; ++k) setCellText(grid, k, QString::number(k));
}

void CalendarGridSetup::fillTitles(CMsg& msg, int32_t hMsg, Grid& weekDays, Grid& months)
{
    for (int i = 0; i < 7; ++i) setCellText(weekDays, i + 1, title(msg, hMsg, FirstWeekDayMsg + i, WeekDayNames[i]));
    setCellText(weekDays, 8, title(msg, hMsg, FromTableMsg, "aus Tabelle"));
    for (int i = 0; i < 12; ++i) setCellText(months, i + 1, title(msg, hMsg, FirstMonthMsg + i, MonthNames[i]));
    weekDays.setCurrentCell(0, 0);
    months.setCurrentCell(0, 0);
}

void CalendarGridSetup::labelLastCells(Grid& monthDays, bool february)
{
    setCellText(monthDays, 30, february ? QString() : QStringLiteral("30"));
    setCellText(monthDays, 31, february ? QString() : QStringLiteral("31"));
    setCellText(monthDays, 32, february ? QStringLiteral("X") : QString());
}

} // namespace Plent
