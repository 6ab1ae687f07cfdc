// Events taken into the editor window and back, through the real window.
#include <gtest/gtest.h>

#include <QLocale>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "support/RaisedError.h"
#include "Plent/engine/EditorTransfer.h"
#include "Plent/runstate/EventDefinition.h"
#include "ProbedEditor.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/locale/LocaleDates.h"
#include "Plent/engine/CPlentEngine.h"
#include "support/MessageBoxRecorder.h"
#include "Plent/scheduling/SchedulingFixtures.h"
#include "Platform/dates/Clock.h"
#include "support/QtAppEnvironment.h"

using namespace SchedulingFixtures;
using Plent::CPlent;
using Plent::CPlentEngine;
namespace RetryMode = Plent::RetryMode;

namespace {

class EditorTransfer : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam())));
        form = std::make_unique<ProbedEditor>();
        form->Init(-1, 1100);
    }
    void TearDown() override
    {
        form.reset();
        QLocale::setDefault(previousLocale_);
    }

    void show(const std::string& id) { form->setDraft(CPlentEngine::CollectionsToForm(*engine.Plents().Item(id))); }
    void confirm(const std::string& before = "") { engine.FormToCollections(form->Draft(), before); }

    // What Update does with a confirmed window.
    std::shared_ptr<CPlent> editedAgain(const std::string& id)
    {
        show(id);
        engine.Remove(id);
        confirm();
        return engine.Plents().Item(id);
    }

    int failureOf(const std::string& before = "")
    {
        const auto e = TestSupport::errorOf([&] { confirm(before); });
        if (!e) return 0;
        EXPECT_EQ(e->source(), "CPlentEngine.FormToCollections");
        EXPECT_EQ(e->description(), Platform::RuntimeErrorText(e->number()));
        return e->number();
    }

    std::vector<std::string> identifiers() const { return identifiersOf(engine.Plents()); }

    // A window as the user fills it for a new event.
    void fillNew(const std::string& id, int mode)
    {
        form->setText("txtIdentifier", id);
        form->selectOption("optRetryMode", mode);
    }

    Platform::FixedClock clock{at(2024, 3, 1, 10, 0)};
    CPlentEngine engine;
    std::unique_ptr<ProbedEditor> form;
    TestSupport::MessageBoxRecorder recorder_;
    std::vector<std::string>& boxes = recorder_.texts;

private:
    QLocale previousLocale_;
};

std::vector<std::string> keysOf(const auto& collection)
{
    std::vector<std::string> keys;
    for (const auto& item : collection) keys.push_back(item->Key());
    return keys;
}

std::vector<int> daysOf(Plent::CMonth& month)
{
    std::vector<int> days;
    for (const auto& d : month.Days()) days.push_back(d->Day());
    return days;
}

} // namespace

TEST_P(EditorTransfer, AnEventComesBackAsItWasButForTheSeconds)
{
    auto original = addEvent(engine, "backup", RetryMode::Minutes, 15, at(2024, 3, 15, 8, 30, 15));
    original->setFrom(830);
    original->setTo(2359);
    original->setDelay(5);
    original->setDelayMode(Plent::DelayMode::Alarm);
    original->setMoveToNextDay(true);
    excludeDay(*original, 0, 1);
    excludeDay(*original, 0, 32);
    excludeDay(*original, 2, 29);
    excludeDay(*original, 2, 32);
    excludeDay(*original, 4, 31);
    excludeWeekDay(*original, 2); // Monday, then Sunday: the editor's order
    excludeWeekDay(*original, 1);
    original->Unless().setFromTable(true);
    const auto table =
        std::filesystem::temp_directory_path() / ("EditorTransferTest-" + std::to_string(::getpid()) + ".tab");
    std::ofstream(table) << "01.01.2030\r\n";
    engine.setUnlessTable(table.string());

    const auto copy = editedAgain("backup");
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, original);
    EXPECT_EQ(whenOf(copy->NextStart()), at(2024, 3, 15, 8, 30));
    // Texts, repetition, time window, delay rule, flags, and the unless
    // rule's months, days and weekdays with their keys in the editor's order.
    EXPECT_EQ(Plent::EventDefinition::fingerprint(*copy), Plent::EventDefinition::fingerprint(*original));
    EXPECT_FALSE(copy->Finished());
    EXPECT_EQ(copy->Status(), 0);
    std::filesystem::remove(table);
}

TEST_P(EditorTransfer, TheWindowShowsTheEventInTheShortFormsAndRunsItsHandlers)
{
    auto e = addEvent(engine, "backup", RetryMode::Days, 2, at(2024, 3, 15, 8, 30, 15));
    e->setFrom(830);
    show("backup");

    const DateTime start = at(2024, 3, 15, 8, 30);
    EXPECT_EQ(form->Text("txtFirstStartDate"), Platform::LocaleDates::shortDate(start));
    EXPECT_EQ(form->Text("txtFirstStartHour"), Platform::LocaleDates::shortTime(start));
    EXPECT_EQ(form->Text("txtFrom"), "08:30");
    EXPECT_EQ(form->Text("txtTo"), "00:00");
    EXPECT_EQ(form->Text("txtDelay"), "0");
    EXPECT_EQ(form->Text("txtRetry"), "2");
    EXPECT_EQ(form->SelectedOption("optRetryMode"), RetryMode::Days);
    EXPECT_EQ(form->SelectedOption("optDelay"), 0);
    EXPECT_EQ(form->CheckValue("chkMove"), 0);
    form->setCheckValue("chkMove", 1); // the mode's handler enabled it
    EXPECT_EQ(form->CheckValue("chkMove"), 1);
}

TEST_P(EditorTransfer, OnceByStartDropsItsDateDelayTimeWindowAndMarks)
{
    fillNew("startup", RetryMode::OncePerRun);
    form->setText("txtDelay", "5");
    form->setText("txtFrom", "08:00");
    form->setCheckValue("chkMove", 1);
    form->setDaySelected(3, true);
    form->setWeekDaySelected(8, true);
    confirm();

    const auto e = engine.Plents().Item("startup");
    EXPECT_TRUE(e->Finished());
    EXPECT_EQ(e->NextStart(), 0);
    EXPECT_EQ(e->Delay(), 0);
    EXPECT_EQ(e->From(), 0);
    EXPECT_FALSE(e->MoveToNextDay());
    EXPECT_EQ(e->Unless().Months().Count(), 0);
    EXPECT_FALSE(e->Unless().FromTable());
}

TEST_P(EditorTransfer, OnceKeepsItsStartButNoTimeWindowOrMarks)
{
    fillNew("once", RetryMode::Once);
    form->setText("txtFirstStartDate", "2024-03-20");
    form->setText("txtFirstStartHour", "23:59");
    form->setText("txtTo", "12:00");
    form->setWeekDaySelected(1, true);
    confirm();

    const auto e = engine.Plents().Item("once");
    EXPECT_EQ(whenOf(e->NextStart()), at(2024, 3, 20, 23, 59));
    EXPECT_FALSE(e->Finished());
    EXPECT_EQ(e->To(), 0);
    EXPECT_EQ(e->Unless().WeekDays().Count(), 0);
}

TEST_P(EditorTransfer, GridMarksBecomeTheUnlessRule)
{
    fillNew("weekly", RetryMode::Weeks);
    form->setWeekDaySelected(7, true); // Sunday
    form->setDaySelected(32, true);    // "X": the last day of every month
    form->setMonthDaySelected(12, 24, true);
    form->setText("txtTo", "23:59");
    confirm();

    const auto e = engine.Plents().Item("weekly");
    auto& u = e->Unless();
    EXPECT_EQ(keysOf(u.WeekDays()), std::vector<std::string>{"1"});
    EXPECT_EQ(u.WeekDays().Item("1")->WeekDay(), 1);
    EXPECT_EQ(keysOf(u.Months()), (std::vector<std::string>{"0", "12"}));
    EXPECT_EQ(u.Months().Item("0")->Month(), 0);
    EXPECT_EQ(daysOf(*u.Months().Item("0")), std::vector<int>{32});
    EXPECT_EQ(u.Months().Item("0")->Days().Item("32")->Key(), "32");
    EXPECT_EQ(daysOf(*u.Months().Item("12")), std::vector<int>{24});
    EXPECT_EQ(e->To(), 2359);

    fillNew("monday", RetryMode::Weeks);
    form->setWeekDaySelected(7, false);
    form->setWeekDaySelected(1, true);
    confirm();
    EXPECT_EQ(engine.Plents().Item("monday")->Unless().WeekDays().Item("2")->WeekDay(), 2);
}

TEST_P(EditorTransfer, ANewEventGoesInFrontOfBeforeAndGetsItsNextStart)
{
    addEvent(engine, "a", RetryMode::Once, 0, at(2024, 4, 1));
    addEvent(engine, "b", RetryMode::Once, 0, at(2024, 4, 1));
    fillNew("new", RetryMode::Hours);
    form->setText("txtFirstStartDate", "2024-02-29");
    form->setText("txtFirstStartHour", "09:15");
    confirm("b");

    EXPECT_EQ(identifiers(), (std::vector<std::string>{"a", "new", "b"}));
    EXPECT_EQ(whenOf(engine.Plents().Item("new")->NextStart()), at(2024, 3, 1, 10, 15));
}

TEST_P(EditorTransfer, ADelayThatIsNoIntegerRaisesTheConversionErrorAndAddsNothing)
{
    addEvent(engine, "a", RetryMode::Once, 0, at(2024, 4, 1));
    fillNew("new", RetryMode::Days);
    form->setText("txtDelay", "abc");
    EXPECT_EQ(failureOf(), Platform::Err::TypeMismatch);
    form->setText("txtDelay", "40000");
    EXPECT_EQ(failureOf(), Platform::Err::Overflow);
    form->setText("txtDelay", "1");
    form->setText("txtFirstStartHour", "25:00");
    EXPECT_EQ(failureOf(), Platform::Err::TypeMismatch);
    EXPECT_EQ(identifiers(), std::vector<std::string>{"a"});
}

TEST_P(EditorTransfer, AFailingAddLeavesTheCollectionAsItWas)
{
    const auto a = addEvent(engine, "a", RetryMode::Once, 0, at(2024, 4, 1));
    addEvent(engine, "b", RetryMode::Once, 0, at(2024, 4, 1));
    fillNew("A", RetryMode::Days);
    EXPECT_EQ(failureOf(), Platform::Err::DuplicateKey);
    fillNew("c", RetryMode::Days);
    EXPECT_EQ(failureOf("nobody"), Platform::Err::MissingElement);
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(engine.Plents().Item("a"), a);
    EXPECT_EQ(a->Identifier(), "a");
}

TEST_P(EditorTransfer, ANextStartThatCannotBeComputedTakesTheNewEventOutAgain)
{
    addEvent(engine, "a", RetryMode::Once, 0, at(2024, 4, 1));
    engine.setUnlessTable((std::filesystem::temp_directory_path() / "no-such-dir" / "Pelmor.tab").string());
    fillNew("daily", RetryMode::Days);
    form->setText("txtFirstStartDate", "2024-02-01"); // in the past: the grid is searched
    form->setWeekDaySelected(8, true);                // and the missing table read
    EXPECT_EQ(failureOf(), Platform::Err::FileNotFound);
    EXPECT_EQ(identifiers(), std::vector<std::string>{"a"});

    fillNew("daily", RetryMode::Days); // the window is unchanged: the user may try again
    form->setWeekDaySelected(8, false);
    confirm();
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"a", "daily"}));
}

TEST_P(EditorTransfer, MarksOutsideTheGridsAreIndexErrorsWhenShown)
{
    auto e = addEvent(engine, "odd", RetryMode::Days, 1, at(2024, 4, 1));
    excludeDay(*e, 13, 5); // no such month: nothing to mark
    EXPECT_NO_THROW(show("odd"));
    excludeDay(*e, 0, 40);
    EXPECT_THROW(show("odd"), Platform::AutomationError);
}

// An editor's values for every repetition and delay rule, with what each
// mode keeps: flags, a time window, marks in each grid.
Plent::EventDraft draftFor(int mode, int delayMode)
{
    Plent::EventDraft d;
    d.identifier = "e" + std::to_string(mode) + std::to_string(delayMode);
    d.parameter = "/bin/true --all";
    d.description = "every kind";
    d.firstStartDate = Platform::LocaleDates::shortDate(at(2024, 3, 15));
    d.firstStartHour = Platform::LocaleDates::shortTime(at(2024, 3, 15, 8, 30));
    d.deleteAfterDone = mode <= RetryMode::Once;
    d.moveToNextDay = mode > RetryMode::Once;
    d.delay = "5";
    d.delayMode = delayMode;
    d.retryMode = mode;
    d.retry = "3";
    if (mode == RetryMode::Minutes || mode == RetryMode::Hours) d.from = "08:30", d.to = "17:00";
    if (mode > RetryMode::Once) {
        for (auto [month, day] : {std::pair{0, 32}, {2, 29}, {12, 24}}) {
            if (month == 0) d.marks.setDaySelected(day, true);
            else d.marks.setMonthDaySelected(month, day, true);
        }
        d.marks.setWeekDaySelected(7, true);
        d.marks.setWeekDaySelected(8, true);
    }
    return d;
}

// The pure transfer and the real window agree: an event's draft shown in
// the window comes back unchanged, and makes the event again.
TEST_P(EditorTransfer, EveryKindOfEventComesBackFromItsDraft)
{
    for (int mode = RetryMode::OncePerRun; mode <= RetryMode::Years; ++mode) {
        for (int delayMode = Plent::DelayMode::DoIt; delayMode <= Plent::DelayMode::Alarm; ++delayMode) {
            const auto event = Plent::EditorTransfer::eventOf(draftFor(mode, delayMode));
            event->setIdentifier(draftFor(mode, delayMode).identifier);
            const Plent::EventDraft draft = CPlentEngine::CollectionsToForm(*event);
            form->setDraft(draft);
            EXPECT_EQ(form->Draft(), draft) << "mode " << mode << ", delay " << delayMode;
            const auto again = Plent::EditorTransfer::eventOf(draft);
            again->setIdentifier(draft.identifier);
            EXPECT_EQ(Plent::EventDefinition::fingerprint(*again), Plent::EventDefinition::fingerprint(*event));
            EXPECT_EQ(again->NextStart(), event->NextStart());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, EditorTransfer, ::testing::Values("C", "en_US", "de_DE"));
