#include "FileFixtures.h"

#include <gmock/gmock.h>

#include "Plent/scheduling/Schedule.h"
#include "Platform/locale/LocaleDates.h"
#include "Plent/model/EventFile.h"

using namespace fixtures;
using namespace Plent;

namespace {

class EventFileTest : public ::testing::Test {
protected:
    std::shared_ptr<CPlent> add(const std::string& id, const std::string& description = "", const std::string& parameter = "")
    {
        auto p = plents.Add(std::make_shared<CPlent>(), id);
        p->setDescription(description);
        p->setParameter(parameter);
        return p;
    }
    static void addDays(CPlent& p, const std::string& month, std::vector<std::string> days)
    {
        auto m = p.Unless().Months().Add(std::make_shared<CMonth>(), month);
        m->setMonth(static_cast<int16_t>(std::stoi(month)));
        for (const auto& d : days) m->Days().Add(std::make_shared<CDay>(), d)->setDay(static_cast<int16_t>(std::stoi(d)));
    }
    static void addWeekDay(CPlent& p, const std::string& key)
    {
        p.Unless().WeekDays().Add(std::make_shared<CWeekDay>(), key)->setWeekDay(static_cast<int16_t>(std::stoi(key)));
    }
    std::string saved()
    {
        EventFile::Save(plents, path);
        return readFile(path);
    }
    colPlents loaded(const std::string& bytes)
    {
        writeFile(path, bytes);
        colPlents out;
        EventFile::Load(out, path, messages.texts);
        return out;
    }
    static std::vector<std::string> ids(const colPlents& c)
    {
        std::vector<std::string> out;
        for (const auto& p : c) out.push_back(p->Identifier());
        return out;
    }

    TempDir dir;
    std::string path = dir.file("Pelmor.dat");
    colPlents plents;
    NoticeRecorder messages;
};

} // namespace

TEST_F(EventFileTest, AnEmptyEngineIsTheTwoHeadersAndLoadsAsNothing)
{
    EXPECT_EQ(hex(saved()), "39 28 0C 00 43 50 6C 65 6E 74 45 6E 67 69 6E 65 00 00 "
                            "39 28 09 00 63 6F 6C 50 6C 65 6E 74 73 00 00");
    EXPECT_EQ(loaded(readFile(path)).Count(), 0);
    EXPECT_EQ(loaded("").Count(), 0);
    EXPECT_EQ(loaded("not an event file").Count(), 0);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(EventFileTest, SectionSizesFollowTheirStrings)
{
    add("abc", "de", "f");
    const size_t oneEvent = 33 + 109 + 6;
    EXPECT_EQ(saved().size(), oneEvent);
    addDays(*plents.Item(1), "10", {});
    EXPECT_EQ(saved().size(), oneEvent + 29 + 2);
    addDays(*plents.Item(1), "0", {"5", "32"});
    EXPECT_EQ(saved().size(), oneEvent + 29 + 2 + 29 + 1 + 14 + 1 + 14 + 2);
    addWeekDay(*plents.Item(1), "7");
    EXPECT_EQ(saved().size(), oneEvent + 29 + 2 + 29 + 1 + 14 + 1 + 14 + 2 + 18 + 1);
}

TEST_F(EventFileTest, AnEventSectionHoldsItsFieldsInFileOrder)
{
    auto p = add("id", "desc", "cmd");
    p->setDelay(1), p->setDelayMode(2), p->setDeleteAfterDone(true), p->setFinished(true);
    p->setNextStart(3.5), p->setFrom(4), p->setLastStart(5.25), p->setStatus(6), p->setMoveToNextDay(true);
    p->setRetry(7), p->setRetryMode(8), p->setRegularStart(9.75), p->setTo(10);
    p->Unless().setFromTable(true);
    addDays(*p, "0", {"32"});
    addWeekDay(*p, "1");
    Bytes expected;
    expected.fileStart().header("CPlent").integer(1).integer(2).integer(-1).string("desc").integer(-1).date(3.5);
    expected.integer(4).string("id").date(5.25).integer(6).integer(-1).string("cmd").integer(7).integer(8);
    expected.date(9.75).integer(10).header("CUnless").integer(-1);
    expected.header("colMonths").header("CMonth").string("0").integer(0).header("colDays");
    expected.header("CDay").integer(32).string("32");
    expected.header("colWeekDays").header("CWeekDay").string("1").integer(1);
    EXPECT_EQ(hex(saved()), hex(expected.data));
}

TEST_F(EventFileTest, EventsComeBackInOrderWithTheirRules)
{
    for (const char* id : {"Zeta", "alpha", "Mitte"}) {
        auto p = add(id, std::string("about ") + id, "run --now");
        p->setStatus(Status::Alarm);
        p->setNextStart(45000.25);
        addDays(*p, "0", {"1", "32"});
        addDays(*p, "2", {"14"});
        addWeekDay(*p, "2");
        addWeekDay(*p, "1");
    }
    const std::string first = saved();
    const colPlents back = loaded(first);
    ASSERT_EQ(ids(back), (std::vector<std::string>{"Zeta", "alpha", "Mitte"}));
    auto& p = *back.Item("MITTE");
    EXPECT_EQ(p.Description(), "about Mitte");
    EXPECT_EQ(p.Parameter(), "run --now");
    EXPECT_EQ(p.Status(), Status::Alarm);
    EXPECT_EQ(p.NextStart(), 45000.25);
    const auto& months = p.Unless().Months();
    ASSERT_EQ(months.Count(), 2);
    EXPECT_EQ(months.Item(1)->Key(), "0");
    EXPECT_EQ(months.Item("0")->Days().Item(2)->Day(), 32);
    EXPECT_EQ(months.Item("2")->Days().Item("14")->Key(), "14");
    EXPECT_EQ(p.Unless().WeekDays().Item(1)->Key(), "2");
    EXPECT_EQ(p.Unless().WeekDays().Item(2)->WeekDay(), 1);
    plents = back;
    EXPECT_EQ(saved(), first);
}

TEST_F(EventFileTest, OddValuesSurviveAndBooleansAreWrittenAsMinusOne)
{
    const colPlents back = loaded(Bytes().fileStart().event("x", 7, 1).data);
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back.Item(1)->Status(), 7);
    EXPECT_TRUE(back.Item(1)->DeleteAfterDone());
    plents = back;
    EXPECT_EQ(saved(), Bytes().fileStart().event("x", 7, -1).data);
}

TEST_F(EventFileTest, NonAsciiTextSurvives)
{
    add("Gebühr €5", "Straße", "C:\\Für alle\\ü.exe");
    const colPlents back = loaded(saved());
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back.Item("GEBÜHR €5")->Description(), "Straße");
    EXPECT_EQ(back.Item(1)->Parameter(), "C:\\Für alle\\ü.exe");
}

// Every cut of a file with several events: the load is refused, leaving the
// events present as they were, or it gives exactly what the file holds. The
// file has no counts and no end marker, so a cut between the weekday entries
// that close an event reads as a complete file ending with that event; every
// other cut is refused, a stray byte where a header would begin included.
TEST_F(EventFileTest, EveryCutOfAFileIsRefusedOrLoadsOnlyWhatItHolds)
{
    std::vector<size_t> accepted{0, 18};
    const auto acceptAt = [&](size_t end) { accepted.push_back(end); };
    const size_t weekDay = Bytes().header("CWeekDay").string("1").integer(1).data.size();
    acceptAt(saved().size());
    for (const char* id : {"first", "second", "third"}) {
        auto p = add(id, std::string("about ") + id, "run --now");
        addDays(*p, "0", {"1", "32"});
        addDays(*p, "2", {"14"});
        addWeekDay(*p, "1");
        addWeekDay(*p, "7");
        const size_t end = saved().size();
        for (size_t closing : {end - 2 * weekDay, end - weekDay, end}) acceptAt(closing);
    }
    const std::string whole = readFile(path);

    std::vector<size_t> loads;
    for (size_t cut = 0; cut <= whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        writeFile(path, whole.substr(0, cut));
        colPlents present;
        present.Add(std::make_shared<CPlent>(), "present");
        if (const auto e = errorOf([&] { EventFile::Load(present, path, messages.texts); })) {
            EXPECT_EQ(e->number(), 62);
            EXPECT_THAT(e->description(), ::testing::HasSubstr("'" + path + "' ends at byte " + std::to_string(cut)));
            EXPECT_EQ(ids(present), std::vector<std::string>{"present"});
            continue;
        }
        loads.push_back(cut);
        present.Remove("present");
        plents = present;
        const std::string again = saved();
        if (present.Count() == 0) continue;
        EXPECT_EQ(hex(again), hex(whole.substr(0, again.size()))) << "nothing but what the file holds";
        EXPECT_GE(again.size() + 1, cut) << "all that the file holds";
    }
    std::sort(accepted.begin(), accepted.end());
    EXPECT_EQ(loads, accepted);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(EventFileTest, ARefusalNamesTheReadThatRanIntoTheEnd)
{
    const std::string one = Bytes().fileStart().event("one").data;
    const size_t event = Bytes().fileStart().data.size();
    const std::string rule = Bytes().header("CUnless").integer(0).header("colMonths").header("colWeekDays").data;
    const std::vector<std::pair<size_t, std::string>> cuts{
        {20, "CLSO::ReadHEADER"},                                              // the events' header
        {event + 13, "CLSO::ReadINTEGER"},                                     // Delay
        {event + 19, "CLSO::ReadSTRING"},                                      // the description's length
        {event + 25, "CLSO::ReadDATE"},                                        // NextStart
        {event + 35, "CLSO::ReadSTRING"},                                      // the identifier
        {one.size() - rule.size(), "CLSO::ReadHEADER"},                        // the whole rule
        {one.size() - Bytes().header("colWeekDays").data.size(), "CLSO::ReadHEADER"}, // the weekdays
    };
    // Cut inside, or just before, what the comment names.
    for (const auto& [cut, source] : cuts) {
        SCOPED_TRACE(cut);
        const auto e = errorOf([&] { loaded(one.substr(0, cut)); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->number(), 62);
        EXPECT_EQ(e->source(), source);
        EXPECT_EQ(e->description(), "Input past end of file: '" + path + "' ends at byte " + std::to_string(cut));
    }
}

TEST_F(EventFileTest, HeadersOutOfPlaceAreAnnouncedAndEndTheLoad)
{
    EXPECT_EQ(loaded(Bytes().header("colPlents").event("a").data).Count(), 0);
    EXPECT_EQ(ids(loaded(Bytes().fileStart().event("a").header("Foo").event("b").data)), std::vector<std::string>{"a"});
    // Inside an event, an unknown section ends every section up to the file.
    Bytes inside;
    inside.fileStart().event("a");
    inside.data.resize(inside.data.size() - Bytes().header("colWeekDays").data.size());
    inside.header("Bar").event("b");
    EXPECT_EQ(ids(loaded(inside.data)), std::vector<std::string>{"a"});
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"Unexpected header in CPlentEngine",
                                                        "Invalid header 'Foo' in " + path,
                                                        "Invalid header 'Bar' in " + path}));
}

TEST_F(EventFileTest, ASecondEventSectionAddsItsEvents)
{
    const auto back = loaded(Bytes().fileStart().event("a").header("colPlents").event("b").data);
    EXPECT_EQ(ids(back), (std::vector<std::string>{"a", "b"}));
}

TEST_F(EventFileTest, ACollectionSectionOfAnotherClassIsAnnouncedAndAddsNothing)
{
    writeFile(path, Bytes().header("colWeekDays").header("colDays").header("CDay").integer(1).string("1").header("X").data);
    CLoadSaveObject s;
    s.setFileName(path);
    colMonths months;
    months.Load(s);
    EXPECT_EQ(months.Count(), 0);
    EXPECT_EQ(s.Notices(), std::vector<std::string>{"Unexpected header in colMonths"});
    colDays days;
    days.Load(s);
    EXPECT_EQ(days.Count(), 1);
    std::string next;
    int16_t version = 0;
    ASSERT_TRUE(s.ReadHEADER(next, version));
    EXPECT_EQ(next, "X");
}

TEST_F(EventFileTest, ADuplicateIdentifierEndsTheLoadWithTheDuplicateKeyError)
{
    writeFile(path, Bytes().fileStart().event("a").event("b").event("A").event("c").data);
    Schedule engine(&Platform::LocaleDates::parseDate);
    auto e = errorOf([&] { engine.load(path, messages.texts); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 457);
    EXPECT_EQ(ids(engine.Events()), (std::vector<std::string>{"a", "b"}));
}

TEST_F(EventFileTest, LoadingAddsToThePresentEventsThroughTheEngine)
{
    add("keep");
    Schedule engine(&Platform::LocaleDates::parseDate);
    engine.Events().Add(std::make_shared<CPlent>(), "first");
    EventFile::Save(plents, path);
    engine.load(path, messages.texts);
    engine.save(path);
    EXPECT_EQ(ids(loaded(readFile(path))), (std::vector<std::string>{"first", "keep"}));
    EXPECT_EQ(errorOf([&] { engine.load(path, messages.texts); })->number(), 457);
}

TEST_F(EventFileTest, AMissingFileIsFileNotFoundFromReadHeader)
{
    const auto e = errorOf([&] { EventFile::Load(plents, dir.file("none.dat"), messages.texts); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 53);
    EXPECT_EQ(e->source(), "CLSO::ReadHEADER");
}

TEST_F(EventFileTest, ALargeFileComesBackByteForByte)
{
    for (int i = 0; i < 3000; ++i) {
        auto p = add("event " + std::to_string(i), std::string(i % 50, 'd'), "cmd");
        addDays(*p, "0", {"1", "15"});
        addWeekDay(*p, std::to_string(i % 7 + 1));
    }
    const std::string first = saved();
    ASSERT_GT(first.size(), 4u * 64 * 1024);
    plents = loaded(first);
    EXPECT_EQ(plents.Count(), 3000);
    EXPECT_EQ(saved(), first);
}
