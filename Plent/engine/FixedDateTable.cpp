#include "FixedDateTable.h"

#include <cstdio>

#include "CPlentEngine.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/dates/Clock.h"
#include "Platform/dates/LocaleDates.h"
#include "Platform/files/FileTime.h"
#include "Platform/files/TextFileReader.h"
#include "Platform/ui/MessageBox.h"

namespace Plent {

namespace {

constexpr const char* Source = "CPlentEngine::UnlessFromTable";

std::string trimSpaces(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

[[noreturn]] void reportAndRaise(const Platform::AutomationError& error)
{
    Platform::MessageBox::show(std::string("Unexpected error - ") + Source);
    throw error.withSource(Source);
}

} // namespace

std::string FixedDateTable::DateKey(Platform::DateTime t)
{
    const Platform::CivilDateTime c = t.civil();
    char key[16];
    std::snprintf(key, sizeof key, "%02d%02d%04d", c.day, c.month, c.year);
    return key;
}

bool FixedDateTable::contains(const std::string& sFile, Platform::Date date)
{
    try {
        return lookUp(sFile, date);
    } catch (const Platform::AutomationError& e) {
        reportAndRaise(e);
    } catch (const std::bad_alloc&) {
        reportAndRaise(Platform::AutomationError(Platform::Err::OutOfMemory, Source));
    }
}

bool FixedDateTable::lookUp(const std::string& sFile, Platform::Date date)
{
    const std::string key = DateKey(Platform::DateTime::fromDate(date));
    const Platform::Date fileTime = Platform::FileTime::modified(sFile);
    if (fileTime != engine_.TableFileTime()) engine_.setTableLoaded(false);
    if (!engine_.TableLoaded()) {
        engine_.setTableLoaded(true);
        engine_.setTableFileTime(fileTime);
        if (!read(sFile)) return false;
    }
    return engine_.FixUnlesses().Item(key) != nullptr;
}

// A table that cannot be opened keeps the dates read before.
bool FixedDateTable::read(const std::string& sFile)
{
    Platform::TextFileReader reader(sFile);
    if (!reader.isOpen()) return false;
    engine_.setFixUnlesses(nullptr);
    const Platform::DateTime today = Platform::Clock::now().dateOnly();
    std::string line;
    while (reader.readLine(line)) addLine(line, today);
    return true;
}

void FixedDateTable::addLine(const std::string& line, Platform::DateTime today)
{
    const std::string text = trimSpaces(line);
    if (text.empty()) return;
    const auto date = Platform::LocaleDates::parseDate(text.substr(0, text.find(' ')));
    if (!date || *date < today) return;
    engine_.FixUnlesses().Add(CPlentEngine::NewFixUnless(), DateKey(*date));
}

} // namespace Plent
