#include "EventTable.h"

#include <algorithm>

#include "DateText.h"
#include "EventTsv.h"
#include "Plent/model/colPlents.h"

namespace Ctl {

using Platform::DateTime;

namespace {

// Characters, not bytes, so that texts with accents line up.
size_t widthOf(const std::string& text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

} // namespace

void EventTable::write(std::ostream& out, const Plent::colPlents& events)
{
    std::vector<std::vector<std::string>> rows{
        {"Identifier", "Next start", "Last start", "Status", "Repetition", "Finished", "Description"}};
    for (const auto& event : events) rows.push_back(row(*event));
    writeAligned(out, rows);
}

std::string EventTable::statusText(int status)
{
    switch (status) {
    case 0: return "still open";
    case 1: return "done";
    case 2: return "seen as done";
    case 3: return "alarm";
    case 4: return "stopped";
    default: return "unknown (" + std::to_string(status) + ")";
    }
}

std::string EventTable::repetitionText(int retryMode, int retry)
{
    static const char* const units[] = {"minute", "hour", "day", "week", "month", "year"};
    if (retryMode == 0) return "once per run";
    if (retryMode == 1) return "once";
    if (retryMode < 2 || retryMode > 7) return "unknown (" + std::to_string(retryMode) + ")";
    return "every " + std::to_string(retry) + " " + units[retryMode - 2] + (retry == 1 ? "" : "s");
}

std::vector<std::string> EventTable::row(const Plent::CPlent& e)
{
    const auto date = [](Platform::Date d) { return DateText::format(DateTime::fromDate(d)); };
    return {EventTsv::escape(e.Identifier()),
            date(e.NextStart()),
            e.LastStart() == 0 ? "never" : date(e.LastStart()),
            statusText(e.Status()),
            repetitionText(e.RetryMode(), e.Retry()),
            e.Finished() ? "yes" : "no",
            EventTsv::escape(e.Description())};
}

void EventTable::writeAligned(std::ostream& out, const std::vector<std::vector<std::string>>& rows)
{
    std::vector<size_t> widths(rows.front().size(), 0);
    for (const auto& r : rows) {
        for (size_t i = 0; i < r.size(); ++i) widths[i] = std::max(widths[i], widthOf(r[i]));
    }
    for (const auto& r : rows) {
        std::string line;
        for (size_t i = 0; i + 1 < r.size(); ++i) line += r[i] + std::string(widths[i] - widthOf(r[i]) + 2, ' ');
        line += r.back();
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

} // namespace Ctl
