#pragma once
#include <optional>
#include <string>

#include "Platform/dates/DateTime.h"

namespace Platform {

// Conversions between dates and text in the user's locale (the default
// locale of the process). Texts are UTF-8. Two-digit years in the locale's
// short date form are widened to four digits on output, so that every date
// written can be read back unchanged.
class LocaleDates {
public:
    // A date (at midnight) from its text in the user's short date form (with a
    // two- or four-digit year), the long date form, ISO 8601 (2026-12-24) or
    // day.month.year with dots (24.12.2026), whatever the locale. Two-digit
    // years 00 to 29 fall into 2000 to 2029, 30 to 99 into 1930 to 1999.
    // Nothing for any other text.
    static std::optional<DateTime> parseDate(const std::string& text);
    static bool isDate(const std::string& text) { return parseDate(text).has_value(); }

    static std::string shortDate(DateTime t);
    // Hours and minutes in the locale's short time form, never seconds.
    static std::string shortTime(DateTime t);
    static std::string longTime(DateTime t);
    // Short date and long time; the date alone at midnight, the time alone
    // when the date part is 0.
    static std::string generalDate(DateTime t);
    static std::string generalDate(Date d) { return generalDate(DateTime::fromDate(d)); }
};

} // namespace Platform
