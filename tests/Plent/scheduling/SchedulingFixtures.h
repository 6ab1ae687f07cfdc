#pragma once
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Plent/model/colPlents.h"
#include "Platform/dates/DateTime.h"
#include "support/CivilTime.h"

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

using TestSupport::at;
inline Platform::Date date(int y, int mo, int d, int h = 0, int mi = 0) { return at(y, mo, d, h, mi).toDate(); }
inline DateTime whenOf(Platform::Date d) { return DateTime::fromDate(d); }

// A repeating event filed in the engine's events.
template <class Engine>
std::shared_ptr<Plent::CPlent> addEvent(Engine& engine, const std::string& id, int16_t retryMode, int16_t retry,
                                        DateTime nextStart)
{
    auto e = std::make_shared<Plent::CPlent>();
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
        m = e.Unless().Months().Add(std::make_shared<Plent::CMonth>(), key);
        m->setMonth(static_cast<int16_t>(month));
    }
    m->Days().Add(std::make_shared<Plent::CDay>(), std::to_string(day))->setDay(static_cast<int16_t>(day));
}

inline void excludeWeekDay(Plent::CPlent& e, int weekDay)
{
    e.Unless().WeekDays().Add(std::make_shared<Plent::CWeekDay>(), std::to_string(weekDay))->setWeekDay(static_cast<int16_t>(weekDay));
}

// The identifiers of the events in list order.
inline std::vector<std::string> identifiersOf(const Plent::colPlents& events)
{
    std::vector<std::string> ids;
    for (const auto& e : events) ids.push_back(e->Identifier());
    return ids;
}

} // namespace SchedulingFixtures
