#include "DateText.h"

#include "CtlError.h"

namespace Ctl {

using Platform::CivilDateTime;
using Platform::DateTime;

namespace {

// The number written with exactly `digits` digits at text[pos], or -1.
int digitsAt(std::string_view text, size_t pos, size_t digits)
{
    if (pos + digits > text.size()) return -1;
    int value = 0;
    for (size_t i = pos; i < pos + digits; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool charAt(std::string_view text, size_t pos, char c) { return pos < text.size() && text[pos] == c; }

bool exists(const CivilDateTime& c)
{
    return c.year >= 100 && c.month >= 1 && c.month <= 12 && c.day >= 1 && c.day <= Platform::DaysInMonth(c.year, c.month)
        && c.hour <= 23 && c.minute <= 59 && c.second <= 59;
}

} // namespace

std::string DateText::format(DateTime t, char separator)
{
    std::string text;
    append(text, t, separator);
    return text;
}

// Written digit by digit into the caller's text: a simulation writes a date
// for every hand-out.
void DateText::append(std::string& text, DateTime t, char separator)
{
    const CivilDateTime c = t.civil();
    const size_t at = text.size();
    text += "0000-00-00 00:00:00";
    const auto put = [&text, at](size_t end, int value) {
        for (size_t i = at + end; value > 0; --i, value /= 10) text[i] = static_cast<char>('0' + value % 10);
    };
    put(3, c.year);
    put(6, c.month);
    put(9, c.day);
    text[at + 10] = separator;
    put(12, c.hour);
    put(15, c.minute);
    put(18, c.second);
}

std::optional<DateTime> DateText::parse(std::string_view text)
{
    if (text.size() != 16 && text.size() != 19) return std::nullopt;
    const bool shapeFits = charAt(text, 4, '-') && charAt(text, 7, '-') && (charAt(text, 10, ' ') || charAt(text, 10, 'T'))
        && charAt(text, 13, ':') && (text.size() == 16 || charAt(text, 16, ':'));
    if (!shapeFits) return std::nullopt;

    const CivilDateTime c{digitsAt(text, 0, 4),  digitsAt(text, 5, 2),  digitsAt(text, 8, 2),
                          digitsAt(text, 11, 2), digitsAt(text, 14, 2), text.size() == 19 ? digitsAt(text, 17, 2) : 0};
    if (c.hour < 0 || c.minute < 0 || c.second < 0 || !exists(c)) return std::nullopt;
    return DateTime::fromCivil(c);
}

DateTime DateText::parseArgument(const std::string& text, const std::string& what)
{
    const auto t = parse(text);
    if (!t) throw CtlError::badInput(what + ": '" + text + "' is no date and time of the form YYYY-MM-DD HH:MM:SS");
    return *t;
}

} // namespace Ctl
