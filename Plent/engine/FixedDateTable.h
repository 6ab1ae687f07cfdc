#pragma once
#include <string>

#include "Platform/dates/DateTime.h"

namespace Plent {

class CPlentEngine;

// The fixed exception-date table: a text file with one date a line and an
// optional comment after the first space. It is read into the engine's
// FixUnlesses on the first look-up and again whenever the file's
// modification time has changed; dates before today are left out.
class FixedDateTable {
public:
    explicit FixedDateTable(CPlentEngine& engine) : engine_(engine) {}

    // Whether the date is listed in the table of sFile. A table that cannot
    // be opened answers False; every other failure is shown and raised again
    // with the source "CPlentEngine::UnlessFromTable".
    bool contains(const std::string& sFile, Platform::Date date);

    // Day, month and year as "ddmmyyyy".
    static std::string DateKey(Platform::DateTime t);

private:
    bool lookUp(const std::string& sFile, Platform::Date date);
    bool read(const std::string& sFile);
    void addLine(const std::string& line, Platform::DateTime today);

    CPlentEngine& engine_;
};

} // namespace Plent
