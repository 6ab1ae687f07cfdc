// The due index against the plain scan it replaces: random sequences of
// every kind of change to the events, each followed by polls, must hand out
// the same events in the same order with the same alarms.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "Plent/scheduling/ClockSetBack.h"
#include "Plent/scheduling/ExceptionDates.h"
#include "Plent/scheduling/NextStartRule.h"
#include "Plent/scheduling/Schedule.h"
#include "SchedulingFixtures.h"

using namespace Plent;
using namespace SchedulingFixtures;

namespace {

class NoDates : public ExceptionDates {
public:
    bool contains(Platform::Date) override { return false; }
};

// Every event visited on every poll: the activation as it was before the
// index, kept here as the reference, with the same care for a clock set back.
class PlainScan {
public:
    Schedule::HandOut activate(DateTime now)
    {
        clock_.seen(*events, now, dates_);
        bool alarm = false;
        std::shared_ptr<CPlent> event = startupEvent();
        if (!event) event = dueEvent(now, alarm);
        if (!event) return {};
        Schedule::HandOut out{event->Identifier(), event->Description(), event->Parameter(), alarm};
        if (event->DeleteAfterDone()) events->Remove(out.identifier);
        else {
            NextStartRule(dates_).advance(*event, now);
            event->setLastStart(now.toDate());
            event->setStatus(alarm ? Status::Alarm : Status::Done);
            if (oncePerRunOrOnce(*event)) event->setFinished(true);
        }
        return out;
    }

    std::shared_ptr<colPlents> events = std::make_shared<colPlents>();

private:
    static bool oncePerRunOrOnce(const CPlent& e)
    {
        return e.RetryMode() == RetryMode::OncePerRun || e.RetryMode() == RetryMode::Once;
    }

    std::shared_ptr<CPlent> startupEvent()
    {
        if (scanDone_) return nullptr;
        if (!resetDone_) {
            for (const auto& e : *events) {
                if (e->RetryMode() == RetryMode::OncePerRun) e->setFinished(false);
            }
            resetDone_ = true;
        }
        for (const auto& e : *events) {
            if (e->RetryMode() == RetryMode::OncePerRun && !e->Finished() && e->Status() != Status::Stopped) return e;
        }
        scanDone_ = true;
        return nullptr;
    }

    std::shared_ptr<CPlent> dueEvent(DateTime now, bool& alarm)
    {
        for (const auto& e : *events) {
            if (e->Finished() || e->Status() == Status::Stopped || DateTime::fromDate(e->NextStart()) > now) continue;
            if (e->Delay() <= 0 || DateTime::fromDate(e->NextStart()).addMinutes(e->Delay()) > now) return e;
            switch (e->DelayMode()) {
            case DelayMode::SeenAsDone:
                NextStartRule(dates_).advance(*e, now);
                e->setStatus(Status::SeenAsDone);
                if (oncePerRunOrOnce(*e)) e->setFinished(true);
                continue;
            case DelayMode::Alarm: alarm = true; return e;
            default: return e;
            }
        }
        return nullptr;
    }

    NoDates dates_;
    ClockSetBack clock_;
    bool scanDone_ = false;
    bool resetDone_ = false;
};

// The schedule with its index, seen the way the scenario drives a side.
class IndexedSide {
public:
    colPlents& events() { return schedule_.Events(); }
    Schedule::HandOut activate(DateTime now) { return schedule_.activate(now); }
    // What a reload does: the same events in a collection of their own.
    void replaceCollection()
    {
        auto events = std::make_shared<colPlents>();
        for (const auto& e : schedule_.Events()) events->Add(e, e->Identifier());
        schedule_.setEvents(events);
    }

private:
    Schedule schedule_{nullptr};
};

class PlainSide {
public:
    colPlents& events() { return *scan_.events; }
    Schedule::HandOut activate(DateTime now) { return scan_.activate(now); }
    void replaceCollection() {}

private:
    PlainScan scan_;
};

// One random run of changes and polls on one side, written down hand-out by
// hand-out. The random choices depend only on the seed and on what the side
// did before, so two sides that behave alike write the same log. Each side
// runs alone, so that the index sees only its own hand-outs and the
// scenario's changes.
template <class Side>
class Scenario {
public:
    explicit Scenario(unsigned seed) : random_(seed) {}

    std::vector<std::string> run(int steps)
    {
        for (int i = 0; i < steps; ++i) {
            change();
            poll(i);
        }
        return log_;
    }

private:
    int pick(int first, int last) { return std::uniform_int_distribution<int>(first, last)(random_); }

    void change()
    {
        const std::vector<std::function<void()>> changes{
            [&] { now_ = now_.addSeconds(pick(0, 3 * 3600)); },
            [&] { now_ = now_.addSeconds(pick(0, 600)); },
            [&] { now_ = now_.addSeconds(-pick(0, 3600)); },
            [&] { add(); },
            [&] { add(); },
            [&] { removeOne(); },
            [&] { onOne([start = now_.addSeconds(pick(-7200, 7200)).toDate()](CPlent& e) { e.setNextStart(start); }); },
            [&] { onOne([stop = pick(0, 1) == 1](CPlent& e) { e.setStatus(stop ? Status::Stopped : Status::Open); }); },
            [&] { onOne([finished = pick(0, 1) == 1](CPlent& e) { e.setFinished(finished); }); },
            [&] { onOne([delay = static_cast<int16_t>(pick(-5, 90))](CPlent& e) { e.setDelay(delay); }); },
            [&] { onOne([mode = static_cast<int16_t>(pick(0, 2))](CPlent& e) { e.setDelayMode(mode); }); },
            [&] { onOne([remove = pick(0, 3) == 0](CPlent& e) { e.setDeleteAfterDone(remove); }); },
            [&] { onOne([mode = static_cast<int16_t>(pick(0, 4))](CPlent& e) { e.setRetryMode(mode); }); },
            [&] { onOne([](CPlent& e) { e.setRegularStart(0); }); },
            [&] {
                if (pick(0, 20) == 0) removeAll();
            },
            [&] { side_.replaceCollection(); },
        };
        changes[static_cast<size_t>(pick(0, static_cast<int>(changes.size()) - 1))]();
    }

    // Until nothing is handed out, or once only.
    void poll(int step)
    {
        const bool once = pick(0, 3) == 0;
        for (int i = 0; i < 1000; ++i) {
            const Schedule::HandOut out = side_.activate(now_);
            log_.push_back(std::to_string(step) + " " + out.identifier + (out.alarm ? " alarm " : " ") + out.description);
            if (out.identifier.empty() || once) return;
        }
    }

    void add()
    {
        const std::string id = "e" + std::to_string(nextId_++);
        const int count = side_.events().Count();
        const std::string before = count > 0 && pick(0, 2) == 0 ? side_.events().Item(pick(1, count))->Identifier()
                                                                : std::string();
        auto e = std::make_shared<CPlent>();
        e->setNextStart(now_.addSeconds(pick(-3600, 4 * 3600)).toDate());
        e->setRetryMode(static_cast<int16_t>(pick(0, 5)));
        e->setRetry(static_cast<int16_t>(pick(1, 90)));
        e->setDescription("about " + id);
        side_.events().Add(e, id, before);
    }

    void removeOne()
    {
        const int count = side_.events().Count();
        if (count > 0) side_.events().Remove(side_.events().Item(pick(1, count))->Identifier());
    }

    void removeAll()
    {
        while (side_.events().Count() > 0) side_.events().Remove(1);
    }

    // The change, its random values drawn already, on a random event.
    void onOne(const std::function<void(CPlent&)>& change)
    {
        const int count = side_.events().Count();
        if (count > 0) change(*side_.events().Item(pick(1, count)));
    }

    std::mt19937 random_;
    Side side_;
    DateTime now_ = at(2026, 3, 1, 8);
    int nextId_ = 0;
    std::vector<std::string> log_;
};

} // namespace

TEST(DueIndex, HandsOutWhatThePlainScanHandsOutUnderRandomChanges)
{
    size_t handOuts = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const std::vector<std::string> indexed = Scenario<IndexedSide>(seed).run(400);
        const std::vector<std::string> plain = Scenario<PlainSide>(seed).run(400);
        ASSERT_EQ(indexed, plain) << "seed " << seed;
        handOuts += static_cast<size_t>(std::count_if(indexed.begin(), indexed.end(), [](const std::string& line) {
            return line.find(" e") != std::string::npos;
        }));
    }
    EXPECT_GT(handOuts, 1000u); // the runs do hand out, not only compare nothing
}
