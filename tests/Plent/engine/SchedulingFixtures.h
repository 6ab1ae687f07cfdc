#pragma once
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Plent/engine/CPlentEngine.h"
#include "Platform/dates/Clock.h"
#include "Platform/dates/DateTime.h"
#include "Platform/ui/MessageBox.h"

namespace Platform {
// Readable dates in test failures.
inline void PrintTo(const DateTime& t, std::ostream* os)
{
    const CivilDateTime c = t.civil();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day, c.hour, c.minute, c.second);
    *os << text;
}
} // namespace Platform

namespace SchedulingFixtures {

using Platform::DateTime;

inline DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return DateTime::fromCivil(y, mo, d, h, mi, s); }
inline Platform::Date date(int y, int mo, int d, int h = 0, int mi = 0) { return at(y, mo, d, h, mi).toDate(); }
inline DateTime whenOf(Platform::Date d) { return DateTime::fromDate(d); }

// A repeating event filed in the engine.
inline std::shared_ptr<Plent::CPlent> addEvent(Plent::CPlentEngine& engine, const std::string& id, int16_t retryMode,
                                               int16_t retry, DateTime nextStart)
{
    auto e = Plent::CPlentEngine::NewPlent();
    e->setRetryMode(retryMode);
    e->setRetry(retry);
    e->setNextStart(nextStart.toDate());
    e->setDescription("about " + id);
    e->setParameter("run " + id);
    return engine.Plents().Add(e, id);
}

inline void excludeDay(Plent::CPlent& e, int month, int day)
{
    const std::string key = std::to_string(month);
    auto m = e.Unless().Months().Item(key);
    if (!m) {
        m = e.Unless().Months().Add(Plent::CPlentEngine::NewMonth(), key);
        m->setMonth(static_cast<int16_t>(month));
    }
    m->Days().Add(Plent::CPlentEngine::NewDay(), std::to_string(day))->setDay(static_cast<int16_t>(day));
}

inline void excludeWeekDay(Plent::CPlent& e, int weekDay)
{
    e.Unless().WeekDays().Add(Plent::CPlentEngine::NewWeekDay(), std::to_string(weekDay))->setWeekDay(static_cast<int16_t>(weekDay));
}

// Records every message box shown while it lives.
class MessageBoxRecorder {
public:
    MessageBoxRecorder()
    {
        previous_ = Platform::MessageBox::setHandler([this](const std::string& text, const std::string&) { texts.push_back(text); });
    }
    ~MessageBoxRecorder() { Platform::MessageBox::setHandler(std::move(previous_)); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<std::string> texts;

private:
    Platform::MessageBox::Handler previous_;
};

} // namespace SchedulingFixtures
