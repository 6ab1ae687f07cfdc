// Adding, editing and viewing events through the editor window, which a
// script fills and confirms; and loading an event file into events already
// present.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "Plent/engine/EventEditing.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/locale/LocaleDates.h"
#include "support/MessageBoxRecorder.h"
#include "support/RaisedError.h"
#include "Plent/engine/CPlentEngine.h"
#include "Plent/scheduling/SchedulingFixtures.h"
#include "Platform/dates/Clock.h"
#include "ScriptedEditor.h"

using namespace SchedulingFixtures;
using TestSupport::MessageBoxRecorder;
using TestSupport::errorNumberOf;
using Plent::CPlentEngine;
using Plent::EditorMode;
using Plent::EventDraft;
namespace RetryMode = Plent::RetryMode;

namespace {

// The user types a daily event starting at start and confirms.
ScriptedForm::Step typeNew(const std::string& id, DateTime start)
{
    return [=](EventDraft d) {
        d.identifier = id;
        d.parameter = "run " + id;
        d.retryMode = RetryMode::Days;
        d.retry = "1";
        d.firstStartDate = Platform::LocaleDates::shortDate(start);
        d.firstStartHour = Platform::LocaleDates::shortTime(start);
        return std::optional(d);
    };
}

ScriptedForm::Step typeDelay(const std::string& delay)
{
    return [=](EventDraft d) {
        d.delay = delay;
        return std::optional(d);
    };
}

std::optional<EventDraft> confirm(EventDraft d) { return d; }
std::optional<EventDraft> cancel(EventDraft) { return std::nullopt; }

class EventEditing : public ::testing::Test {
protected:
    void SetUp() override { engine->Init(-1, 1000); }

    std::vector<std::string> identifiers() const { return identifiersOf(std::as_const(*engine).Plents()); }
    void add(std::string before = "") { engine->Add(before); }

    Platform::FixedClock clock{at(2024, 3, 15, 8, 30, 15)};
    std::shared_ptr<CPlentEngine> engine = std::make_shared<CPlentEngine>();
    ScriptedEditors editors;
    MessageBoxRecorder boxes;
};

} // namespace

TEST_F(EventEditing, AddPutsTheNewEventInFrontOfBeforeOrAtTheEnd)
{
    addEvent(*engine, "a", RetryMode::Once, 0, at(2024, 4, 1));
    addEvent(*engine, "b", RetryMode::Once, 0, at(2024, 4, 1));
    editors.then(typeNew("second", at(2024, 4, 1))).then(typeNew("last", at(2024, 4, 1)));
    add("b");
    add();
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"a", "second", "b", "last"}));
    EXPECT_EQ(editors.record.inits, (std::vector<std::pair<int32_t, int16_t>>{{-1, 1100}, {-1, 1100}}));
    EXPECT_EQ(editors.record.identifierChecks, 2) << "the editor refuses identifiers the engine has";
    EXPECT_EQ(editors.record.modes, (std::vector<EditorMode>{EditorMode::Add, EditorMode::Add}));
    EXPECT_EQ(editors.record.unloads, 2);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(EventEditing, AStartInThePastMovesToTheNextGridPointAfterNow)
{
    editors.then(typeNew("daily", at(2024, 3, 10, 8, 0)));
    add();
    EXPECT_EQ(whenOf(engine->Plents().Item("daily")->NextStart()), at(2024, 3, 16, 8, 0));
}

TEST_F(EventEditing, AFailedAddIsAnnouncedAndTheWindowComesBackWithTheInput)
{
    std::string delayShownAgain, idShownAgain;
    const ScriptedForm::Step typed = typeNew("new", at(2024, 4, 1));
    editors
        .then([&](EventDraft d) { return typeDelay("abc")(*typed(d)); })
        .then([&](EventDraft d) {
            delayShownAgain = d.delay;
            idShownAgain = d.identifier;
            return typeDelay("5")(d);
        });
    add();
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"Unexpected error - CPlentEngine.Add.FormToCollections()"});
    EXPECT_EQ(delayShownAgain, "abc");
    EXPECT_EQ(idShownAgain, "new");
    EXPECT_EQ(editors.record.modes.size(), 2u);
    EXPECT_EQ(editors.record.unloads, 1) << "one window for the whole Add";
    ASSERT_TRUE(engine->ExistEvent("new"));
    EXPECT_EQ(engine->Plents().Item("new")->Delay(), 5);
}

TEST_F(EventEditing, CancelAfterAFailureEndsAddWithoutANewEvent)
{
    addEvent(*engine, "a", RetryMode::Once, 0, at(2024, 4, 1));
    editors.then(typeNew("new", at(2024, 4, 1))).then(cancel);
    add("ghost");
    EXPECT_EQ(identifiers(), std::vector<std::string>{"a"});
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(editors.record.modes.size(), 2u);
}

TEST_F(EventEditing, AddCancelledAtOnceAddsNothingAndSaysNothing)
{
    editors.then(cancel);
    add();
    EXPECT_EQ(engine->Plents().Count(), 0);
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(editors.record.unloads, 1);
}

TEST_F(EventEditing, UpdateMovesTheEditedEventToTheEndWithANewStart)
{
    addEvent(*engine, "a", RetryMode::Once, 0, at(2024, 4, 1));
    const auto old = addEvent(*engine, "daily", RetryMode::Days, 1, at(2024, 3, 10, 8, 0));
    old->setLastStart(date(2024, 3, 10, 8, 0));
    old->setStatus(Plent::Status::Stopped);
    addEvent(*engine, "b", RetryMode::Once, 0, at(2024, 4, 1));
    editors.then(confirm);
    engine->Update("DAILY");

    EXPECT_EQ(identifiers(), (std::vector<std::string>{"a", "b", "daily"}));
    const auto edited = engine->Plents().Item("daily");
    EXPECT_NE(edited, old) << "an edited event is a new event";
    EXPECT_EQ(whenOf(edited->NextStart()), at(2024, 3, 16, 8, 0));
    EXPECT_EQ(edited->LastStart(), 0) << "what the window does not show starts from a new event's defaults";
    EXPECT_EQ(edited->Status(), Plent::Status::Open);
    EXPECT_EQ(edited->Description(), "about daily");
    EXPECT_EQ(editors.record.modes, std::vector<EditorMode>{EditorMode::Edit});
    EXPECT_EQ(editors.record.identifierChecks, 0);
}

TEST_F(EventEditing, UpdateCancelledLeavesTheEventWhereItWas)
{
    const auto old = addEvent(*engine, "daily", RetryMode::Days, 1, at(2024, 3, 10, 8, 0));
    addEvent(*engine, "b", RetryMode::Once, 0, at(2024, 4, 1));
    editors.then([](EventDraft d) {
        typeDelay("7")(d);
        return std::optional<EventDraft>();
    });
    engine->Update("daily");
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"daily", "b"}));
    EXPECT_EQ(engine->Plents().Item("daily"), old);
    EXPECT_EQ(old->Delay(), 0);
}

TEST_F(EventEditing, AFailedUpdateKeepsTheOldEventInItsPlaceAndRaises)
{
    addEvent(*engine, "a", RetryMode::Once, 0, at(2024, 4, 1));
    const auto old = addEvent(*engine, "daily", RetryMode::Days, 1, at(2024, 3, 10, 8, 0));
    addEvent(*engine, "b", RetryMode::Once, 0, at(2024, 4, 1));
    editors.then(typeDelay("abc"));
    EXPECT_EQ(errorNumberOf([&] { engine->Update("daily"); }), Platform::Err::TypeMismatch);
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"a", "daily", "b"}));
    EXPECT_EQ(engine->Plents().Item("daily"), old);
    EXPECT_EQ(whenOf(old->NextStart()), at(2024, 3, 10, 8, 0));
    EXPECT_TRUE(boxes.texts.empty()) << "Update leaves the error to its caller";

    editors.then(typeDelay("abc"));
    EXPECT_EQ(errorNumberOf([&] { engine->Update("b"); }), Platform::Err::TypeMismatch);
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"a", "daily", "b"})) << "the last event stays last";
}

// The failing start computation announces its error in a message box; while
// the box is up the poll hands out and deletes the event after the edited one.
TEST_F(EventEditing, AFailedUpdateWhoseSuccessorWentMeanwhilePutsTheOldEventLast)
{
    addEvent(*engine, "a", RetryMode::Once, 0, at(2024, 4, 1));
    const auto old = addEvent(*engine, "holidays", RetryMode::Days, 1, at(2024, 3, 10, 8, 0));
    old->Unless().setFromTable(true);
    addEvent(*engine, "b", RetryMode::Once, 0, at(2024, 4, 1));
    engine->setUnlessTable((std::filesystem::temp_directory_path() / "EventEditingTest-no-such.tab").string());
    boxes.whenShown = [&] { engine->Remove("b"); };
    editors.then(confirm);
    const int error = errorNumberOf([&] { engine->Update("holidays"); });

    EXPECT_EQ(error, Platform::Err::FileNotFound) << "the transfer's own error, not the re-insertion's";
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"a", "holidays"}));
    EXPECT_EQ(engine->Plents().Item("holidays"), old);
}

TEST_F(EventEditing, AnEventGoneWhileTheWindowWasOpenComesBackEdited)
{
    addEvent(*engine, "daily", RetryMode::Days, 1, at(2024, 3, 10, 8, 0));
    addEvent(*engine, "b", RetryMode::Once, 0, at(2024, 4, 1));
    editors.then([&](EventDraft d) {
        engine->Remove("daily"); // handed out and deleted meanwhile
        return std::optional(d);
    });
    engine->Update("daily");
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"b", "daily"}));
}

TEST_F(EventEditing, ShowOpensTheReadOnlyViewAndChangesNothing)
{
    const auto e = addEvent(*engine, "daily", RetryMode::Days, 1, at(2024, 3, 10, 8, 0));
    addEvent(*engine, "b", RetryMode::Once, 0, at(2024, 4, 1));
    std::string shownId;
    editors.then([&](EventDraft d) {
        shownId = d.identifier;
        return std::optional<EventDraft>();
    });
    engine->Show("daily");
    EXPECT_EQ(shownId, "daily");
    EXPECT_EQ(editors.record.modes, std::vector<EditorMode>{EditorMode::View});
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"daily", "b"}));
    EXPECT_EQ(engine->Plents().Item("daily"), e);
    EXPECT_EQ(editors.record.unloads, 1);
}

TEST_F(EventEditing, AnUnknownIdentifierOpensNoWindow)
{
    addEvent(*engine, "a", RetryMode::Once, 0, at(2024, 4, 1));
    engine->Update("ghost");
    engine->Show("ghost");
    EXPECT_TRUE(editors.record.inits.empty());
    EXPECT_EQ(engine->Plents().Count(), 1);
}

TEST_F(EventEditing, AnEditorOffsetBeyondTheIntegerRangeIsAnOverflowAndOpensNoWindow)
{
    addEvent(*engine, "a", RetryMode::Once, 0, at(2024, 4, 1));
    engine->Init(-1, 32700);
    EXPECT_EQ(errorNumberOf([&] { add(); }), Platform::Err::Overflow);
    EXPECT_EQ(errorNumberOf([&] { engine->Update("a"); }), Platform::Err::Overflow);
    EXPECT_EQ(errorNumberOf([&] { engine->Show("a"); }), Platform::Err::Overflow);
    EXPECT_TRUE(editors.record.inits.empty());
    engine->Init(-1, 32667);
    editors.then(cancel);
    add();
    EXPECT_EQ(editors.record.inits.back().second, 32767);
}

TEST(LoadObjects, TheSameFileTwiceStopsAtTheFirstIdentifierAlreadyPresent)
{
    const auto file = std::filesystem::temp_directory_path() / ("EventEditingTest-" + std::to_string(::getpid()) + ".dat");
    CPlentEngine engine;
    for (const char* id : {"a", "b", "c"}) addEvent(engine, id, RetryMode::Once, 0, at(2024, 4, 1));
    engine.SaveObjects(file.string());
    engine.Remove("a");
    engine.Remove("c");

    EXPECT_EQ(errorNumberOf([&] { engine.LoadObjects(file.string()); }), Platform::Err::DuplicateKey);
    EXPECT_EQ(identifiersOf(engine.Plents()), (std::vector<std::string>{"b", "a"})) << "what was read before the duplicate stays";
    std::filesystem::remove(file);
}
