#include "EventTsv.h"

#include <algorithm>

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
    std::string escaped;
    appendEscaped(escaped, text);
    return escaped;
}

// Most texts have nothing to escape and go in one piece; simulate escapes
// one per hand-out.
void EventTsv::appendEscaped(std::string& out, const std::string& text)
{
    const auto special = [](char c) { return c == '\\' || c == '\t' || c == '\n' || c == '\r'; };
    const auto plain = std::find_if(text.begin(), text.end(), special);
    out.append(text.begin(), plain);
    for (auto it = plain; it != text.end(); ++it) {
        const char c = *it;
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
}

} // namespace Ctl
