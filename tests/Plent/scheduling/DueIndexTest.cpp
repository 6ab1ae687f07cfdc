// The due index against the plain scan it replaces: random sequences of
// every kind of change to the events, each followed by polls, must hand out
// the same events in the same order with the same alarms.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

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
// index, kept here as the reference.
class PlainScan {
public:
    Schedule::HandOut activate(DateTime now)
    {
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
    bool scanDone_ = false;
    bool resetDone_ = false;
};

class DueIndexComparison {
public:
    explicit DueIndexComparison(unsigned seed) : random_(seed) {}

    void step()
    {
        const std::vector<std::function<void()>> changes{
            [&] { now_ = now_.addSeconds(pick(0, 3 * 3600)); },
            [&] { now_ = now_.addSeconds(-pick(0, 3600)); },
            [&] { add(); },
            [&] { add(); },
            [&] { removeOne(); },
            [&] { onBoth([start = now_.addSeconds(pick(-7200, 7200)).toDate()](CPlent& e) { e.setNextStart(start); }); },
            [&] { onBoth([stop = pick(0, 1) == 1](CPlent& e) { e.setStatus(stop ? Status::Stopped : Status::Open); }); },
            [&] { onBoth([finished = pick(0, 1) == 1](CPlent& e) { e.setFinished(finished); }); },
            [&] { onBoth([delay = static_cast<int16_t>(pick(-5, 90))](CPlent& e) { e.setDelay(delay); }); },
            [&] { onBoth([mode = static_cast<int16_t>(pick(0, 2))](CPlent& e) { e.setDelayMode(mode); }); },
            [&] { onBoth([remove = pick(0, 3) == 0](CPlent& e) { e.setDeleteAfterDone(remove); }); },
            [&] { onBoth([mode = static_cast<int16_t>(pick(0, 4))](CPlent& e) { e.setRetryMode(mode); }); },
            [&] { onBoth([](CPlent& e) { e.setRegularStart(0); }); },
            [&] {
                if (pick(0, 20) == 0) removeAll();
            },
            [&] { replaceCollections(); },
        };
        changes[static_cast<size_t>(pick(0, static_cast<int>(changes.size()) - 1))]();
    }

    // Polls both until they hand out nothing (or once only), comparing each
    // hand-out; false at the first difference.
    bool poll()
    {
        const bool once = pick(0, 3) == 0;
        for (int i = 0; i < 1000; ++i) {
            const Schedule::HandOut indexed = schedule_.activate(now_);
            const Schedule::HandOut plain = plain_.activate(now_);
            if (indexed.identifier != plain.identifier || indexed.alarm != plain.alarm
                || indexed.description != plain.description) {
                ADD_FAILURE() << "indexed '" << indexed.identifier << "' (" << indexed.alarm << "), plain '"
                              << plain.identifier << "' (" << plain.alarm << ")";
                return false;
            }
            ++handOuts;
            if (indexed.identifier.empty() || once) return true;
        }
        return true;
    }

    int handOuts = 0;

private:
    int pick(int first, int last) { return std::uniform_int_distribution<int>(first, last)(random_); }

    void add()
    {
        const std::string id = "e" + std::to_string(nextId_++);
        const int count = schedule_.Events().Count();
        const std::string before = count > 0 && pick(0, 2) == 0
                                       ? schedule_.Events().Item(pick(1, count))->Identifier()
                                       : std::string();
        const auto start = now_.addSeconds(pick(-3600, 4 * 3600)).toDate();
        const auto retryMode = static_cast<int16_t>(pick(0, 5));
        const auto retry = static_cast<int16_t>(pick(1, 90));
        for (colPlents* events : {&schedule_.Events(), plain_.events.get()}) {
            auto e = std::make_shared<CPlent>();
            e->setNextStart(start);
            e->setRetryMode(retryMode);
            e->setRetry(retry);
            e->setDescription("about " + id);
            events->Add(e, id, before);
        }
    }

    void removeOne()
    {
        const int count = schedule_.Events().Count();
        if (count == 0) return;
        const std::string id = schedule_.Events().Item(pick(1, count))->Identifier();
        schedule_.Events().Remove(id);
        plain_.events->Remove(id);
    }

    void removeAll()
    {
        while (schedule_.Events().Count() > 0) schedule_.Events().Remove(1);
        while (plain_.events->Count() > 0) plain_.events->Remove(1);
    }

    // What a reload does: the same events in a collection of their own.
    void replaceCollections()
    {
        auto indexed = std::make_shared<colPlents>();
        for (const auto& e : schedule_.Events()) indexed->Add(e, e->Identifier());
        schedule_.setEvents(indexed);
    }

    // The change (its random values drawn already) on the same event of both.
    void onBoth(const std::function<void(CPlent&)>& change)
    {
        const int count = schedule_.Events().Count();
        if (count == 0) return;
        const int position = pick(1, count);
        change(*schedule_.Events().Item(position));
        change(*plain_.events->Item(position));
    }

    std::mt19937 random_;
    DateTime now_ = at(2026, 3, 1, 8);
    int nextId_ = 0;
    Schedule schedule_{nullptr};
    PlainScan plain_;
};

} // namespace

TEST(DueIndex, HandsOutWhatThePlainScanHandsOutUnderRandomChanges)
{
    int handOuts = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        DueIndexComparison run(seed);
        for (int i = 0; i < 400; ++i) {
            run.step();
            ASSERT_TRUE(run.poll()) << "seed " << seed << ", step " << i;
        }
        handOuts += run.handOuts;
    }
    EXPECT_GT(handOuts, 10000); // the runs do hand out, not only compare nothing
}
