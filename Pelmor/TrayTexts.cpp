#include "TrayTexts.h"

#include "RunnerStatus.h"
#include "RunnerTexts.h"
#include "Platform/locale/LocaleDates.h"

using Platform::LocaleDates;

namespace {
QString when(Platform::DateTime start, Platform::DateTime now)
{
    const std::string time = LocaleDates::shortTime(start);
    constexpr int64_t Day = Platform::DateTime::SecondsPerDay;
    if (start.seconds() / Day == now.seconds() / Day) return QString::fromStdString(time);
    return QString::fromStdString(LocaleDates::shortDate(start) + " " + time);
}
} // namespace

QString TrayTexts::tooltip(const RunnerStatus& status, const RunnerTexts& texts, Platform::DateTime now)
{
    const Plent::RunnerOutlook& outlook = status.outlook();
    QStringList lines;
    if (outlook.nextStart == 0) lines << texts.text(RunnerTexts::NoNextStart);
    else
        lines << texts.text(RunnerTexts::NextStart, QString::fromStdString(outlook.nextIdentifier),
                            when(Platform::DateTime::fromDate(outlook.nextStart), now));
    lines << texts.text(RunnerTexts::EventCount, QString::number(outlook.events));
    if (!status.running().isEmpty()) lines << texts.text(RunnerTexts::Running, status.running().join(", "));
    if (status.failureUnseen())
        lines << texts.text(RunnerTexts::Failed, status.lastFailure()->identifier + ": " + status.lastFailure()->text);
    return lines.join('\n');
}
