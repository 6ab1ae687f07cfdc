#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "Plent/model/colFixUnless.h"
#include "Platform/dates/DateTime.h"

namespace Plent {

// The fixed exception-date table: a text file with one date a line and an
// optional comment after the first space. It is read on the first look-up
// and again whenever the file's modification time has changed; dates before
// the day of the reading are left out. Reading the dates is the parser's
// (the user's locale decides how they are written).
class FixedDateTable {
public:
    using DateParser = std::function<std::optional<Platform::DateTime>(const std::string&)>;
    // The source of every failure of a look-up.
    static constexpr const char* Source = "CPlentEngine::UnlessFromTable";

    explicit FixedDateTable(DateParser parse) : parse_(std::move(parse)) {}

    // Whether the date is listed in the table of sFile, now being the moment
    // of the look-up. A table that is missing or cannot be opened fails, as
    // every other failure, with the source Source; it is to be announced
    // as an unexpected error of Source (FailureNotice, in English).
    bool contains(const std::string& sFile, Platform::Date date, Platform::DateTime now);
    static std::string FailureNotice();

    bool Loaded() const { return loaded_; }
    // The dates read, under their keys.
    colFixUnless& Dates();

    // The comment of the line that listed the date (the first such line),
    // as last read; empty when there is none.
    std::string commentOf(Platform::Date date) const;

    // Day, month and year as "ddmmyyyy".
    static std::string DateKey(Platform::DateTime t);

private:
    bool lookUp(const std::string& sFile, Platform::Date date, Platform::DateTime now);
    void read(const std::string& sFile, Platform::DateTime today);
    void addLine(const std::string& line, Platform::DateTime today);

    DateParser parse_;
    bool loaded_ = false;
    Platform::Date fileTime_ = 0;
    std::shared_ptr<colFixUnless> dates_;
    std::unordered_map<std::string, std::string> comments_;
};

} // namespace Plent
