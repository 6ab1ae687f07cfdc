#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "support/RaisedError.h"
#include "Plent/engine/CPlentEngine.h"
#include "Plent/scheduling/ClockedSchedule.h"
#include "Plent/scheduling/FixedDateTable.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "support/MessageBoxRecorder.h"
#include "Plent/scheduling/SchedulingFixtures.h"
#include "Platform/dates/Clock.h"
#include "support/NamedPipe.h"

using namespace Plent;
using namespace SchedulingFixtures;
using TestSupport::MessageBoxRecorder;
namespace fs = std::filesystem;

namespace {

class FixedDateTableTest : public ::testing::Test {
protected:
    // Writes the table as given (line endings included) and stamps it with a
    // modification time of its own, so that every rewrite counts as a change.
    void writeTable(const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
        stamp_ += std::chrono::seconds(10);
        fs::last_write_time(path, stamp_);
    }

    bool listed(Platform::Date d) { return schedule.UnlessFromTable(path, d); }
    const Plent::FixedDateTable& table() { return schedule.schedule().Table(); }
    size_t dateCount() { return static_cast<size_t>(schedule.schedule().Table().Dates().Count()); }

    // A daily event with the table in its rule, moved on from 08:00 today by
    // the engine with the table of file.
    std::shared_ptr<CPlent> movedOnWithTable(const std::string& file)
    {
        engine.setUnlessTable(file);
        auto e = CPlentEngine::NewPlent();
        e->setRetryMode(RetryMode::Days);
        e->setRetry(1);
        e->setNextStart(date(2026, 12, 1, 8));
        e->Unless().setFromTable(true);
        engine.CalcNextStart(*e);
        return e;
    }

    QTemporaryDir dir;
    std::string path = dir.filePath("Pelmor.tab").toStdString();
    Platform::FixedClock clock{at(2026, 12, 1, 9)};
    ClockedSchedule schedule;
    CPlentEngine engine;

private:
    fs::file_time_type stamp_ = fs::file_time_type::clock::now() - std::chrono::hours(1);
};

} // namespace

TEST(FixedDateTableKey, IsDayMonthYear)
{
    EXPECT_EQ(FixedDateTable::DateKey(at(2027, 5, 1, 13, 30)), "01052027");
    EXPECT_EQ(FixedDateTable::DateKey(at(2026, 12, 24)), "24122026");
}

TEST_F(FixedDateTableTest, ListedDateHoldsAtAnyTimeOfThatDay)
{
    writeTable("01.05.2027 Tag der Arbeit\r\n");
    EXPECT_TRUE(listed(date(2027, 5, 1)));
    EXPECT_TRUE(listed(date(2027, 5, 1, 23, 59)));
    EXPECT_FALSE(listed(date(2027, 5, 2)));
    EXPECT_FALSE(listed(date(2028, 5, 1)));
}

TEST_F(FixedDateTableTest, ReadsDatesAndSkipsEverythingElse)
{
    writeTable("  24.12.2026   Heiligabend \r\n"
               "\r\n"
               "     \r\n"
               "Feiertage 2027\r\n"
               "2026-12-31 ISO form, bare LF\n"
               "31.13.2026 no such month\r\n"
               "06.01.2027\tafter a tab\r\n"
               "24.12.2026 the same date again\r\n"
               "26.12.2026 St. Stephan \xE4\xF6\xFC\r\n"
               "01.01.2027");
    EXPECT_TRUE(listed(date(2026, 12, 24)));
    EXPECT_TRUE(listed(date(2026, 12, 31)));
    EXPECT_TRUE(listed(date(2026, 12, 26)));
    EXPECT_TRUE(listed(date(2027, 1, 1)));
    EXPECT_FALSE(listed(date(2027, 1, 6))); // a tab does not start a comment
    EXPECT_EQ(dateCount(), 4u);
}

TEST_F(FixedDateTableTest, DatesBeforeTodayAreLeftOut)
{
    clock.set(at(2026, 12, 10, 23, 59));
    writeTable("09.12.2026\r\n10.12.2026\r\n");
    EXPECT_FALSE(listed(date(2026, 12, 9)));
    EXPECT_TRUE(listed(date(2026, 12, 10)));
    EXPECT_EQ(dateCount(), 1u);
}

TEST_F(FixedDateTableTest, IsReadAgainWhenTheFileChangesAndOnlyThen)
{
    writeTable("24.12.2026\r\n");
    EXPECT_TRUE(listed(date(2026, 12, 24)));
    EXPECT_TRUE(table().Loaded());

    // Same modification time: the dates read before stay.
    const auto stamp = fs::last_write_time(path);
    std::ofstream(path, std::ios::binary) << "25.12.2026\r\n";
    fs::last_write_time(path, stamp);
    EXPECT_TRUE(listed(date(2026, 12, 24)));
    EXPECT_FALSE(listed(date(2026, 12, 25)));

    writeTable("25.12.2026\r\n");
    EXPECT_FALSE(listed(date(2026, 12, 24)));
    EXPECT_TRUE(listed(date(2026, 12, 25)));
}

// A table that cannot be read (a directory, a named pipe, which would hold
// every start computation until a writer came) fails like a missing one,
// naming the file, until it can be read.
TEST_F(FixedDateTableTest, ATableThatCannotBeReadIsShownAndRaisedNamingIt)
{
    MessageBoxRecorder boxes;
    writeTable("02.12.2026\r\n");
    EXPECT_EQ(whenOf(movedOnWithTable(path)->NextStart()), at(2026, 12, 3, 8));
    fs::remove(path);
    const NamedPipe pipe(path);
    for (const std::string& file : {path, dir.path().toStdString()}) {
        EXPECT_TRUE(pipe.finishesWithin(std::chrono::seconds(5), [&] {
            const auto e = TestSupport::errorOf([&] { movedOnWithTable(file); });
            ASSERT_TRUE(e) << "no error for '" << file << "'";
            EXPECT_EQ(e->number(), Platform::Err::PathFileAccess);
            EXPECT_NE(e->description().find("'" + file + "'"), std::string::npos) << e->description();
        }));
    }
    EXPECT_EQ(boxes.texts.size(), 2u);
}

// A missing table stops the next start computation.
TEST_F(FixedDateTableTest, AMissingTableIsShownAndRaised)
{
    MessageBoxRecorder boxes;
    for (const std::string& file : {path, std::string()}) {
        const auto e = TestSupport::errorOf([&] { movedOnWithTable(file); });
        ASSERT_TRUE(e) << "no error for '" << file << "'";
        EXPECT_EQ(e->number(), Platform::Err::FileNotFound);
        EXPECT_EQ(e->source(), "CPlentEngine::UnlessFromTable");
        EXPECT_EQ(e->description(), "File not found: '" + file + "'");
    }
    EXPECT_EQ(boxes.texts, std::vector<std::string>(2, "Unexpected error - CPlentEngine::UnlessFromTable"));
}

TEST_F(FixedDateTableTest, OnlyRulesWithFromTableReachTheTableAndOnlyWhenNothingElseHolds)
{
    schedule.setUnlessTable(path); // never written: missing
    auto e = addEvent(schedule, "e", RetryMode::Days, 1, at(2026, 12, 6, 9)); // a Sunday
    EXPECT_FALSE(schedule.CheckUnless(*e));

    // A rule is changed through the schedule's events, so that the schedule sees it.
    schedule.Plents().Item("e")->Unless().setFromTable(true);
    excludeWeekDay(*schedule.Plents().Item("e"), 1);
    EXPECT_TRUE(schedule.CheckUnless(*e));

    e->setNextStart(date(2026, 12, 7, 9));
    EXPECT_THROW(schedule.CheckUnless(*e), Platform::AutomationError);
}

TEST_F(FixedDateTableTest, ExcludesListedDaysFromTheGrid)
{
    writeTable("02.12.2026 listed\r\n");
    engine.setUnlessTable(path);
    auto e = addEvent(engine, "e", RetryMode::Days, 1, at(2026, 12, 1, 8));
    e->Unless().setFromTable(true);
    engine.CalcNextStart(*e);
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 12, 3, 8));
}
