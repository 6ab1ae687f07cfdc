#include "JsonFields.h"

#include <algorithm>
#include <cmath>

#include "CtlError.h"
#include "JsonDate.h"
#include "Platform/text/Cp1252.h"

namespace Ctl {

namespace {

constexpr size_t MaxTextLength = 32767;

} // namespace

JsonFields::JsonFields(const QJsonObject& object, std::string where, std::initializer_list<const char*> known)
    : where_(std::move(where)), object_(object)
{
    for (const QString& key : object.keys()) {
        if (std::find(known.begin(), known.end(), key) == known.end())
            throw CtlError::badInput(where_ + ": unknown field '" + key.toStdString() + "'");
    }
}

// Nothing when the text fits into the event file, else what keeps it out.
// The file would hold a NUL, but a command line ends at it when it starts.
std::string JsonFields::unstorable(const std::string& utf8)
{
    size_t length = 0;
    for (Platform::Utf8Reader r(utf8); !r.atEnd(); ++length) {
        const char32_t c = r.next();
        if (c == U'\0') return "holds the character U+0000";
        if (Platform::Cp1252::byteOf(c) < 0) return "holds a character the event file cannot store";
    }
    if (length > MaxTextLength) return "is longer than 32767 characters";
    return {};
}

std::string JsonFields::text(const char* name, const std::string& initial) const
{
    const QJsonValue v = object_.value(QLatin1String(name));
    if (v.isUndefined()) return initial;
    if (!v.isString()) fail(name, "must be a text");
    std::string text = v.toString().toStdString();
    if (const std::string problem = unstorable(text); !problem.empty()) fail(name, problem);
    return text;
}

bool JsonFields::boolean(const char* name, bool initial) const
{
    const QJsonValue v = object_.value(QLatin1String(name));
    if (v.isUndefined()) return initial;
    if (!v.isBool()) fail(name, "must be true or false");
    return v.toBool();
}

int16_t JsonFields::integer(const char* name, int16_t initial) const
{
    const QJsonValue v = object_.value(QLatin1String(name));
    if (v.isUndefined()) return initial;
    const double d = v.toDouble();
    if (!v.isDouble() || d != std::trunc(d)) fail(name, "must be a whole number");
    if (d < INT16_MIN || d > INT16_MAX) fail(name, "must lie between -32768 and 32767");
    return static_cast<int16_t>(d);
}

Platform::Date JsonFields::date(const char* name, Platform::Date initial) const
{
    const QJsonValue v = object_.value(QLatin1String(name));
    if (v.isUndefined()) return initial;
    const auto d = JsonDate::fromJson(v);
    if (!d) fail(name, "must be a date \"YYYY-MM-DDTHH:MM:SS\" or a number");
    return *d;
}

QJsonArray JsonFields::array(const char* name) const
{
    const QJsonValue v = object_.value(QLatin1String(name));
    if (v.isUndefined()) return {};
    if (!v.isArray()) fail(name, "must be an array");
    return v.toArray();
}

QJsonObject JsonFields::object(const char* name) const
{
    const QJsonValue v = object_.value(QLatin1String(name));
    if (v.isUndefined()) return {};
    if (!v.isObject()) fail(name, "must be an object");
    return v.toObject();
}

QJsonObject JsonFields::objectAt(const QJsonArray& array, qsizetype index, const std::string& where)
{
    if (!array.at(index).isObject()) throw CtlError::badInput(where + ": must be an object");
    return array.at(index).toObject();
}

void JsonFields::fail(const char* name, const std::string& problem) const
{
    throw CtlError::badInput(where_ + ": " + name + " " + problem);
}

} // namespace Ctl
