#pragma once
#include <string>

#include "ExceptionDates.h"
#include "FixedDateTable.h"

namespace Plent {

// The exception dates of one operation: the table of a file, looked up at
// the operation's now.
class TableDates : public ExceptionDates {
public:
    TableDates(FixedDateTable& table, const std::string& file, Platform::DateTime now)
        : table_(table), file_(file), now_(now)
    {
    }

    bool contains(Platform::Date date) override { return table_.contains(file_, date, now_); }
    std::string comment(Platform::Date date) override { return table_.commentOf(date); }

private:
    FixedDateTable& table_;
    const std::string& file_;
    Platform::DateTime now_;
};

} // namespace Plent
