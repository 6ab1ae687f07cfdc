#pragma once
#include "support/CivilTime.h"
#include "support/FileContents.h"
#include "support/TempDir.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "pelmorctl/CtlApp.h"
#include "Plent/model/EventFile.h"
#include "pelmorctl/EventStore.h"
#include "Platform/dates/DateTime.h"
#include "Platform/dates/LocalTime.h"

namespace ctlfixtures {

namespace fs = std::filesystem;
using Platform::DateTime;

// What one run of pelmorctl gave.
struct CtlRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs pelmorctl in-process with the given words after the program name.
inline CtlRun ctl(const std::vector<std::string>& words, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    Ctl::Console io{in, out, err};
    CtlRun run;
    run.status = Ctl::CtlApp().run(words, io);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// A directory of its own, removed with everything in it afterwards.
using TempDir = TestSupport::TempDir;

using TestSupport::at;

// The real moment of a local wall-clock time.
inline Platform::LocalTime::TimePoint real(DateTime wall) { return Platform::LocalTime::toSystem(wall); }

inline std::shared_ptr<Plent::CPlent> event(const std::string& identifier, int16_t retryMode, int16_t retry,
                                           DateTime nextStart)
{
    auto e = std::make_shared<Plent::CPlent>();
    e->setIdentifier(identifier);
    e->setRetryMode(retryMode);
    e->setRetry(retry);
    e->setNextStart(nextStart.toDate());
    return e;
}

// Writes the events, in order, as an event file through the engine's save.
inline void saveEvents(const std::string& path, const std::vector<std::shared_ptr<Plent::CPlent>>& events)
{
    Plent::colPlents plents;
    for (const auto& e : events) plents.Add(e, e->Identifier());
    Plent::EventFile::Save(plents, path);
}

inline void addMonthDays(Plent::CUnless& u, int16_t month, std::initializer_list<int16_t> days)
{
    auto m = std::make_shared<Plent::CMonth>();
    m->setMonth(month);
    for (int16_t d : days) {
        auto day = std::make_shared<Plent::CDay>();
        day->setDay(d);
        m->Days().Add(day, std::to_string(d));
    }
    u.Months().Add(m, std::to_string(month));
}

inline void addWeekDays(Plent::CUnless& u, std::initializer_list<int16_t> weekDays)
{
    for (int16_t w : weekDays) {
        auto weekDay = std::make_shared<Plent::CWeekDay>();
        weekDay->setWeekDay(w);
        u.WeekDays().Add(weekDay, std::to_string(w));
    }
}

} // namespace ctlfixtures
