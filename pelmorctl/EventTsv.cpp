#include "EventTsv.h"

#include "DateText.h"
#include "Plent/model/colPlents.h"

namespace Ctl {

using Platform::DateTime;

void EventTsv::write(std::ostream& out, const Plent::colPlents& events)
{
    for (const auto& event : events) out << line(*event) << '\n';
}

std::string EventTsv::line(const Plent::CPlent& e)
{
    const auto date = [](Platform::Date d) { return DateText::format(DateTime::fromDate(d)); };
    const std::string fields[] = {escape(e.Identifier()),         date(e.NextStart()),
                                  date(e.LastStart()),            std::to_string(e.Status()),
                                  std::to_string(e.RetryMode()),  std::to_string(e.Retry()),
                                  e.Finished() ? "1" : "0",       escape(e.Description()),
                                  escape(e.Parameter())};
    std::string text = fields[0];
    for (size_t i = 1; i < std::size(fields); ++i) text += '\t' + fields[i];
    return text;
}

std::string EventTsv::escape(const std::string& text)
{
    // Most texts have nothing to escape; simulate escapes one per hand-out.
    if (text.find_first_of("\\\t\n\r") == std::string::npos) return text;
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '\t': escaped += "\\t"; break;
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

} // namespace Ctl
