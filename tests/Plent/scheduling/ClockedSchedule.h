#pragma once
#include <string>

#include "Plent/scheduling/Schedule.h"
#include "Platform/dates/Clock.h"
#include "Platform/locale/LocaleDates.h"

namespace SchedulingFixtures {

// A schedule whose operations read now from the process clock once each, as
// the engine's do, so that a test drives the rules with a FixedClock.
class ClockedSchedule {
public:
    Plent::colPlents& Plents() { return schedule_.Events(); }
    void setUnlessTable(std::string path) { schedule_.setTablePath(std::move(path)); }

    void CalcNextStart(Plent::CPlent& event) { schedule_.calcNextStart(event, Platform::Clock::now()); }
    bool CheckUnless(const Plent::CPlent& event) { return schedule_.checkUnless(event, Platform::Clock::now()); }
    bool UnlessFromTable(const std::string& file, Platform::Date date)
    {
        return schedule_.inTable(file, date, Platform::Clock::now());
    }
    Plent::Schedule::HandOut activate() { return schedule_.activate(Platform::Clock::now()); }

    Plent::Schedule& schedule() { return schedule_; }

private:
    Plent::Schedule schedule_{&Platform::LocaleDates::parseDate};
};

} // namespace SchedulingFixtures
