#pragma once
#include <optional>
#include <string>

#include "Platform/dates/DateTime.h"

namespace Platform {

// Date-times typed by the user, read in the user's locale: a date, a time,
// or a date, a blank and a time. Dates are read as LocaleDates::parseDate
// reads them; times in the locale's short form, or as H:mm or H:mm:ss with
// or without AM/PM. A time alone falls on day 0 (1899-12-30), a date alone
// at midnight.
class LocaleDateTime {
public:
    static std::optional<DateTime> parse(const std::string& text);
    static bool isDateTime(const std::string& text) { return parse(text).has_value(); }
};

} // namespace Platform
