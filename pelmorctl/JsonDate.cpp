#include "JsonDate.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "DateText.h"

namespace Ctl {

using Platform::Date;
using Platform::DateTime;

namespace {

bool sameBits(Date a, Date b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }

// A JSON number keeps every finite double but the sign of zero.
bool fitsJsonNumber(Date d) { return std::isfinite(d) && !(d == 0 && std::signbit(d)); }

QString bitsText(Date d)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(std::bit_cast<uint64_t>(d)));
    return QString::fromLatin1(text);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<Date> fromBitsText(const std::string& text)
{
    if (text.size() != 18 || !text.starts_with("0x")) return std::nullopt;
    uint64_t bits = 0;
    for (char c : text.substr(2)) {
        const int digit = hexDigit(c);
        if (digit < 0) return std::nullopt;
        bits = bits << 4 | static_cast<uint64_t>(digit);
    }
    return std::bit_cast<Date>(bits);
}

} // namespace

QJsonValue JsonDate::toJson(Date d)
{
    const DateTime t = DateTime::fromDate(d);
    if (sameBits(t.toDate(), d)) return QString::fromStdString(DateText::format(t, 'T'));
    if (fitsJsonNumber(d)) return d;
    return bitsText(d);
}

std::optional<Date> JsonDate::fromJson(const QJsonValue& v)
{
    if (v.isDouble()) return v.toDouble();
    if (!v.isString()) return std::nullopt;
    const std::string text = v.toString().toStdString();
    if (const auto t = DateText::parse(text)) return t->toDate();
    return fromBitsText(text);
}

} // namespace Ctl
