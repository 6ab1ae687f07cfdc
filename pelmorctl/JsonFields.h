#pragma once
#include <QJsonArray>
#include <QJsonObject>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "Platform/dates/DateTime.h"

namespace Ctl {

// The fields of one JSON object being imported, each read with its type and
// range checked. A missing field gives the initial value passed in; every
// failure is bad input that names the object (`where`) and the field.
class JsonFields {
public:
    // Fails for a field whose name is not among `known`: a misspelt field
    // would otherwise be dropped without a word.
    JsonFields(const QJsonObject& object, std::string where, std::initializer_list<const char*> known);

    const std::string& where() const { return where_; }

    // A text the event file can hold: Windows-1252 characters but U+0000
    // only, at most 32767 of them.
    std::string text(const char* name, const std::string& initial) const;
    bool boolean(const char* name, bool initial) const;
    // A whole number from -32768 to 32767.
    int16_t integer(const char* name, int16_t initial) const;
    Platform::Date date(const char* name, Platform::Date initial) const;
    // Empty when missing.
    QJsonArray array(const char* name) const;
    QJsonObject object(const char* name) const;

    // The object at `index` (from 0) of an array of objects, as fields.
    static QJsonObject objectAt(const QJsonArray& array, qsizetype index, const std::string& where);

    // Nothing when the text fits into the event file, else what keeps it out.
    static std::string unstorable(const std::string& utf8);

    [[noreturn]] void fail(const char* name, const std::string& problem) const;

private:
    std::string where_;
    QJsonObject object_;
};

} // namespace Ctl
