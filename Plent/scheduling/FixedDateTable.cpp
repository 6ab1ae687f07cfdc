#include "FixedDateTable.h"

#include <cstdio>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/ErrorReport.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/files/FileTime.h"
#include "Platform/files/TextFileReader.h"

namespace Plent {

namespace {

std::string trimSpaces(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string FixedDateTable::DateKey(Platform::DateTime t)
{
    const Platform::CivilDateTime c = t.civil();
    char key[16];
    std::snprintf(key, sizeof key, "%02d%02d%04d", c.day, c.month, c.year);
    return key;
}

std::string FixedDateTable::FailureNotice() { return Platform::ErrorReport(0, 0).unexpected(Source); }

colFixUnless& FixedDateTable::Dates()
{
    if (!dates_) dates_ = std::make_shared<colFixUnless>();
    return *dates_;
}

bool FixedDateTable::contains(const std::string& sFile, Platform::Date date, Platform::DateTime now)
{
    try {
        return lookUp(sFile, date, now);
    } catch (const Platform::AutomationError& e) {
        throw e.withSource(Source);
    } catch (const std::bad_alloc&) {
        throw Platform::AutomationError(Platform::Err::OutOfMemory, Source);
    }
}

bool FixedDateTable::lookUp(const std::string& sFile, Platform::Date date, Platform::DateTime now)
{
    const std::string key = DateKey(Platform::DateTime::fromDate(date));
    const Platform::Date fileTime = Platform::FileTime::modified(sFile);
    if (fileTime != fileTime_) loaded_ = false;
    if (!loaded_) {
        loaded_ = true;
        fileTime_ = fileTime;
        read(sFile, now.dateOnly());
    }
    return Dates().Item(key) != nullptr;
}

// A table that cannot be opened fails every look-up until it can be read.
void FixedDateTable::read(const std::string& sFile, Platform::DateTime today)
{
    Platform::TextFileReader reader(sFile);
    if (!reader.isOpen()) {
        loaded_ = false;
        reader.raiseOpenFailure();
    }
    dates_.reset();
    comments_.clear();
    std::string line;
    while (reader.readLine(line)) addLine(line, today);
}

void FixedDateTable::addLine(const std::string& line, Platform::DateTime today)
{
    const std::string text = trimSpaces(line);
    if (text.empty()) return;
    const size_t space = text.find(' ');
    const auto date = parse_(text.substr(0, space));
    if (!date || *date < today) return;
    const std::string key = DateKey(*date);
    if (Dates().Item(key)) return;
    Dates().Add(std::make_shared<CFixUnless>(), key);
    if (space != std::string::npos) comments_.emplace(key, trimSpaces(text.substr(space)));
}

std::string FixedDateTable::commentOf(Platform::Date date) const
{
    const auto found = comments_.find(DateKey(Platform::DateTime::fromDate(date)));
    return found != comments_.end() ? found->second : std::string();
}

} // namespace Plent
