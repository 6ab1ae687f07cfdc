// The merge rule: per run field, the runner's value wins while the file
// still holds the base, the file's value wins once the user changed it.
#include <gtest/gtest.h>

#include "Plent/model/colPlents.h"
#include "Plent/runstate/EventDefinition.h"
#include "Plent/runstate/RunStateMerge.h"

using namespace Plent;

namespace {

const RunFields Base{100.375, 100.375, 0, Status::Open, false};
const RunFields Ran{101.375, 101.375, 100.376, Status::Done, false};

StateEntry ran(const std::string& id = "Backup") { return {id, Base, Ran, {}}; }

std::shared_ptr<CPlent> event(const std::string& id, const RunFields& fields, int16_t retryMode = RetryMode::Days)
{
    auto e = std::make_shared<CPlent>();
    e->setIdentifier(id);
    e->setRetryMode(retryMode);
    e->setRetry(1);
    e->setParameter("backup --all");
    fields.applyTo(*e);
    return e;
}

TEST(RunStateMerge, AnUnchangedFileTakesEveryRunFieldFromTheState)
{
    EXPECT_EQ(RunStateMerge::merge(Base, ran()), Ran);
}

TEST(RunStateMerge, EachFieldTheUserChangedComesFromTheFile)
{
    RunFields file = Base;
    file.LastStart = 99.5;
    RunFields expected = Ran;
    expected.LastStart = 99.5;
    EXPECT_EQ(RunStateMerge::merge(file, ran()), expected) << "LastStart";

    file = Base;
    file.Status = Status::Stopped;
    expected = Ran;
    expected.Status = Status::Stopped;
    EXPECT_EQ(RunStateMerge::merge(file, ran()), expected) << "Status";
}

// A new first start from the editor brings its grid and "not finished" with
// it, while what the runner did (last start, status) stays.
TEST(RunStateMerge, AChangedScheduleComesFromTheFileAsAWhole)
{
    StateEntry once{"Once", Base, RunFields{100.375, 100.375, 100.4, Status::Done, true}, {}};
    for (auto change : {+[](RunFields& f) { f.NextStart = 105.5; }, +[](RunFields& f) { f.RegularStart = 105.5; },
                        +[](RunFields& f) { f.Finished = true; }}) {
        RunFields file = Base;
        change(file);
        const RunFields merged = RunStateMerge::merge(file, once);
        EXPECT_TRUE(merged.sameSchedule(file));
        EXPECT_EQ(merged.LastStart, 100.4);
        EXPECT_EQ(merged.Status, Status::Done);
    }
}

TEST(RunStateMerge, TheLeastChangeOfADateCounts)
{
    RunFields file = Base;
    file.NextStart = 100.375 + 1e-12;
    EXPECT_TRUE(RunStateMerge::merge(file, ran()).sameSchedule(file));
    file = Base;
    file.LastStart = 1e-300;
    EXPECT_EQ(RunStateMerge::merge(file, ran()).LastStart, 1e-300);
}

TEST(RunStateMerge, AnEventDeletedAfterDoneStaysDeletedOnlyWhileTheFileHoldsItUnchanged)
{
    auto e = event("Cleanup", Base);
    const StateEntry removed{"Cleanup", Base, std::nullopt, EventDefinition::fingerprint(*e)};
    EXPECT_TRUE(RunStateMerge::staysRemoved(Base, EventDefinition::fingerprint(*e), removed));

    RunFields moved = Base;
    moved.NextStart = 200;
    EXPECT_FALSE(RunStateMerge::staysRemoved(moved, EventDefinition::fingerprint(*e), removed));
    e->setParameter("cleanup --deep");
    EXPECT_FALSE(RunStateMerge::staysRemoved(Base, EventDefinition::fingerprint(*e), removed));
    EXPECT_FALSE(RunStateMerge::staysRemoved(Base, removed.Definition, ran("Cleanup"))) << "not a removed entry";
}

TEST(EventDefinition, TellsEveryPartOfTheDefinitionButNotTheRunFields)
{
    auto e = event("Backup", Base);
    const std::string plain = EventDefinition::fingerprint(*e);
    Ran.applyTo(*e);
    EXPECT_EQ(EventDefinition::fingerprint(*e), plain);

    e->Unless().WeekDays().Add(std::make_shared<CWeekDay>(), "1");
    const std::string withWeekDay = EventDefinition::fingerprint(*e);
    EXPECT_NE(withWeekDay, plain);
    e->setDescription("x");
    EXPECT_NE(EventDefinition::fingerprint(*e), withWeekDay);
    auto a = event("ab", Base), b = event("a", Base);
    b->setDescription("b");
    EXPECT_NE(EventDefinition::fingerprint(*a), EventDefinition::fingerprint(*b)) << "texts do not run together";
}

constexpr Date Today = 46150.5;

// Applying the state to freshly loaded events: entries of events gone from
// the file are kept as missing, events deleted after done are taken out
// again, and the state that remains is based on the file as it is now.
TEST(RunStateMerge, ApplyMergesRemovesAndRebasesOnTheFile)
{
    colPlents events;
    events.Add(event("Backup", Base), "Backup");
    auto cleanup = event("Cleanup", Base);
    events.Add(cleanup, "Cleanup");
    RunFields edited = Base;
    edited.NextStart = edited.RegularStart = 120.25;
    events.Add(event("Edited", edited), "Edited");

    RunState state;
    state.set(ran("BACKUP"));
    state.set({"Cleanup", Base, std::nullopt, EventDefinition::fingerprint(*cleanup)});
    state.set(ran("Edited"));
    state.set(ran("Gone"));
    const RunState rebased = RunStateMerge::apply(events, state, Today);

    EXPECT_EQ(events.Count(), 2);
    EXPECT_EQ(events.Item("Cleanup"), nullptr);
    EXPECT_EQ(RunFields::of(*events.Item("Backup")), Ran);
    const RunFields editedNow = RunFields::of(*events.Item("Edited"));
    EXPECT_TRUE(editedNow.sameSchedule(edited));
    EXPECT_EQ(editedNow.Status, Status::Done);

    EXPECT_EQ(rebased.entries().size(), 4u);
    EXPECT_EQ(rebased.find("Gone")->MissingSince, Today);
    EXPECT_TRUE(rebased.find("Cleanup")->removed());
    EXPECT_EQ(rebased.find("Edited")->Base, edited);
    EXPECT_EQ(*rebased.find("Edited")->Run, editedNow);
}

TEST(RunStateMerge, AnEntryWithNothingBeyondTheFileIsDropped)
{
    colPlents events;
    events.Add(event("Backup", Ran), "Backup");
    RunState state;
    state.set({"Backup", Ran, Ran, {}});
    EXPECT_TRUE(RunStateMerge::apply(events, state, Today).empty());
}

// A load without the event (an emptied file) keeps its entry; it applies
// again when the event comes back as it was, and goes when it comes back
// defined otherwise or after KeepMissingDays days without it.
TEST(RunStateMerge, AnEntryOutlivesALoadWithoutItsEvent)
{
    const auto backup = event("Backup", Base);
    RunState state;
    state.set({"Backup", Base, Ran, EventDefinition::fingerprint(*backup)});
    colPlents none;
    const RunState missing = RunStateMerge::apply(none, state, Today);
    ASSERT_EQ(missing.find("Backup")->MissingSince, Today);
    EXPECT_EQ(RunStateMerge::apply(none, missing, Today + 30).find("Backup")->MissingSince, Today)
        << "missing since the first load without it";

    const struct {
        const char* what;
        Date loadedAt;
        void (*edit)(CPlent&);
        bool applies;
    } cases[] = {
        {"back unchanged", Today + 1, [](CPlent&) {}, true},
        {"back after 90 days", Today + RunStateMerge::KeepMissingDays, [](CPlent&) {}, true},
        {"back changed", Today + 1, [](CPlent& e) { e.setParameter("backup --fast"); }, false},
        {"back too late", Today + RunStateMerge::KeepMissingDays + 1, [](CPlent&) {}, false},
    };
    for (const auto& c : cases) {
        colPlents events;
        const auto back = event("Backup", Base);
        c.edit(*back);
        events.Add(back, "Backup");
        const RunState after = RunStateMerge::apply(events, missing, c.loadedAt);
        EXPECT_EQ(RunFields::of(*back) == Ran, c.applies) << c.what;
        EXPECT_EQ(after.find("Backup") != nullptr, c.applies) << c.what;
        if (c.applies) {
            EXPECT_EQ(after.find("Backup")->MissingSince, 0) << c.what;
        }
    }
}

} // namespace
