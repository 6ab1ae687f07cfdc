#include "ListColumnWidths.h"

#include <QStringList>

#include "PlentRowTexts.h"
#include "Platform/locale/LocaleDates.h"
#include "Platform/ui/ReportList.h"

namespace Plent {

namespace {

enum Column { IdentifierColumn = 0, NextStartColumn = 2, LastStartColumn = 3, StatusColumn = 4 };

// Two-digit days, months and hours, wherever the locale puts them.
QStringList dateSamples()
{
    QStringList samples;
    for (int month = 1; month <= 12; ++month) {
        for (int hour = 0; hour < 24; ++hour) {
            const auto t = Platform::DateTime::fromCivil(2000, month, 28, hour, 58, 58);
            samples << QString::fromStdString(Platform::LocaleDates::generalDate(t));
        }
    }
    return samples;
}

} // namespace

void ListColumnWidths::fit(Platform::ReportList& list, const colPlents& plents, const PlentRowTexts& texts)
{
    QStringList identifiers, statuses;
    for (int16_t status = 0; status < PlentRowTexts::StatusCount; ++status) statuses << texts.statusText(status);
    for (const auto& event : plents) {
        identifiers << QString::fromStdString(event->Identifier());
        statuses << texts.statusText(event->Status());
    }
    list.fitColumn(IdentifierColumn, identifiers, list.fontMetrics().averageCharWidth() * IdentifierCap);
    const QStringList dates = dateSamples();
    list.fitColumn(NextStartColumn, dates);
    list.fitColumn(LastStartColumn, dates);
    list.fitColumn(StatusColumn, statuses);
}

} // namespace Plent
