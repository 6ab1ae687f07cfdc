#include <gtest/gtest.h>

#include <QJsonArray>
#include <bit>
#include <cmath>
#include <limits>

#include "CtlFixtures.h"
#include "pelmorctl/Arguments.h"
#include "pelmorctl/CtlError.h"
#include "pelmorctl/DateText.h"
#include "pelmorctl/EventTsv.h"
#include "pelmorctl/JsonDate.h"
#include "pelmorctl/PollGrid.h"

using namespace Ctl;
using ctlfixtures::at;
using ctlfixtures::real;

TEST(DateText, WritesAndReadsLocalWallClockTimes)
{
    EXPECT_EQ(DateText::format(at(2026, 3, 7, 9, 5, 4)), "2026-03-07 09:05:04");
    EXPECT_EQ(DateText::format(at(100, 1, 1), 'T'), "0100-01-01T00:00:00");
    std::string line = "at ";
    DateText::append(line, at(2026, 12, 31, 23, 59, 59));
    EXPECT_EQ(line, "at 2026-12-31 23:59:59");
    EXPECT_EQ(DateText::parse("2026-03-07 09:05:04"), at(2026, 3, 7, 9, 5, 4));
    EXPECT_EQ(DateText::parse("2026-03-07T09:05:04"), at(2026, 3, 7, 9, 5, 4));
    EXPECT_EQ(DateText::parse("2026-03-07 09:05"), at(2026, 3, 7, 9, 5));
    EXPECT_EQ(DateText::parse("2024-02-29 23:59:59"), at(2024, 2, 29, 23, 59, 59));
}

TEST(DateText, RefusesTextsThatAreNoSuchMoment)
{
    for (const char* text : {"", "2026-03-07", "2026-3-07 09:05", "2026-03-07  09:05", "2026/03/07 09:05",
                             "2026-03-07 09:05:4", "2026-03-07 09:05:04 ", "2026-03-07 9:05:04", "2026-02-29 10:00",
                             "2026-13-01 10:00", "2026-00-10 10:00", "2026-04-31 10:00", "2026-03-07 24:00",
                             "2026-03-07 10:60", "2026-03-07 10:00:60", "0099-12-31 10:00", "2026-03-07x10:00",
                             "20a6-03-07 10:00", "+026-03-07 10:00"}) {
        EXPECT_FALSE(DateText::parse(text)) << text;
    }
    try {
        DateText::parseArgument("tomorrow", "--at");
        FAIL();
    } catch (const CtlError& e) {
        EXPECT_EQ(e.exitStatus(), ExitStatus::BadInput);
        EXPECT_NE(std::string(e.what()).find("--at: 'tomorrow'"), std::string::npos);
    }
}

TEST(JsonDate, WritesTextOnlyWhenItStandsForExactlyTheStoredValue)
{
    const double whole = at(2026, 3, 7, 9, 5, 4).toDate();
    EXPECT_EQ(JsonDate::toJson(whole), QJsonValue("2026-03-07T09:05:04"));
    EXPECT_EQ(JsonDate::toJson(0.0), QJsonValue("1899-12-30T00:00:00"));
    // A quarter of a second, and the negative dates before 1899-12-30.
    const double fraction = whole + 0.25 / 86400;
    EXPECT_EQ(JsonDate::toJson(fraction), QJsonValue(fraction));
    EXPECT_EQ(JsonDate::toJson(-1.25), QJsonValue("1899-12-29T06:00:00"));
    EXPECT_EQ(JsonDate::toJson(1e300), QJsonValue(1e300));
}

TEST(JsonDate, KeepsEveryBitOfValuesJsonHasNoNumberFor)
{
    const double values[] = {-0.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                             std::bit_cast<double>(uint64_t{0x7FF0000000000123})};
    for (double d : values) {
        const QJsonValue v = JsonDate::toJson(d);
        ASSERT_TRUE(v.isString());
        EXPECT_TRUE(v.toString().startsWith("0x"));
        const auto back = JsonDate::fromJson(v);
        ASSERT_TRUE(back);
        EXPECT_EQ(std::bit_cast<uint64_t>(*back), std::bit_cast<uint64_t>(d));
    }
    EXPECT_EQ(JsonDate::toJson(-0.0), QJsonValue("0x8000000000000000"));
}

TEST(JsonDate, ReadsTextsNumbersAndBitsButNothingElse)
{
    EXPECT_EQ(JsonDate::fromJson(QJsonValue("2026-03-07 09:05")), at(2026, 3, 7, 9, 5).toDate());
    EXPECT_EQ(JsonDate::fromJson(QJsonValue(45000.5)), 45000.5);
    EXPECT_EQ(JsonDate::fromJson(QJsonValue("0x3ff0000000000000")), 1.0);
    for (const QJsonValue& v : {QJsonValue(true), QJsonValue(), QJsonValue("2026-02-30T10:00:00"), QJsonValue("0x12"),
                                QJsonValue("0x3ff000000000000g"), QJsonValue(QJsonArray{1})}) {
        EXPECT_FALSE(JsonDate::fromJson(v));
    }
}

TEST(Arguments, SplitsPositionalsFromDeclaredOptions)
{
    const std::vector<OptionSpec> specs{{"count", true}, {"tsv", false}};
    const Arguments a({"file", "--count", "3", "id", "--tsv"}, specs);
    EXPECT_EQ(a.positionals(), (std::vector<std::string>{"file", "id"}));
    EXPECT_EQ(a.value("count"), "3");
    EXPECT_TRUE(a.has("tsv"));
    EXPECT_FALSE(a.helpWanted());

    const Arguments b({"--count=-4", "--", "--tsv", "-h"}, specs);
    EXPECT_EQ(b.value("count"), "-4");
    EXPECT_EQ(b.positionals(), (std::vector<std::string>{"--tsv", "-h"}));
    EXPECT_FALSE(b.has("tsv"));
    EXPECT_TRUE(Arguments({"x", "-h"}, specs).helpWanted());
    EXPECT_EQ(Arguments({"-", "-5"}, specs).positionals(), (std::vector<std::string>{"-", "-5"}));
}

TEST(Arguments, RefusesWhatTheCommandDoesNotTake)
{
    const std::vector<OptionSpec> specs{{"count", true}, {"tsv", false}};
    const auto refused = [&](std::vector<std::string> words) {
        try {
            Arguments(words, specs).expectPositionals({"FILE"});
        } catch (const CtlError& e) {
            EXPECT_EQ(e.exitStatus(), ExitStatus::BadInput);
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(refused({"f", "--counts", "3"}), "unknown option '--counts'");
    EXPECT_EQ(refused({"f", "--count"}), "option '--count' needs a value");
    EXPECT_EQ(refused({"f", "--tsv=yes"}), "option '--tsv' takes no value");
    EXPECT_EQ(refused({"f", "--tsv", "--tsv"}), "option '--tsv' given twice");
    EXPECT_EQ(refused({}), "missing FILE");
    EXPECT_EQ(refused({"f", "g"}), "unexpected argument 'g'");
    EXPECT_EQ(refused({"f", "--count", "3"}), "accepted");
}

TEST(EventTsv, KeepsEveryEventOnOneLineOfNineFields)
{
    EXPECT_EQ(EventTsv::escape("a\tb\nc\rd\\e"), "a\\tb\\nc\\rd\\\\e");
    EXPECT_EQ(EventTsv::escape("plain"), "plain");
    std::string line = "x\t";
    EventTsv::appendEscaped(line, "Back up\n");
    EventTsv::appendEscaped(line, "\\");
    EXPECT_EQ(line, "x\tBack up\\n\\\\");
    Plent::CPlent e;
    e.setIdentifier("Back\tup");
    e.setNextStart(at(2026, 3, 7, 9, 5, 4).toDate() + 0.4 / 86400);
    e.setLastStart(at(2026, 3, 6, 9, 5, 4).toDate() + 0.6 / 86400);
    e.setStatus(7);
    e.setRetryMode(4);
    e.setRetry(2);
    e.setFinished(true);
    e.setDescription("Ä €");
    e.setParameter("cp a b");
    EXPECT_EQ(EventTsv::line(e),
              "Back\\tup\t2026-03-07 09:05:04\t2026-03-06 09:05:05\t7\t4\t2\t1\tÄ €\tcp a b");
}

TEST(PollGrid, PollsEveryFiveSecondsUpToAndIncludingTheLast)
{
    const PollGrid grid(real(at(2026, 1, 1, 10, 0, 3)), real(at(2026, 1, 1, 11, 0, 3)));
    EXPECT_EQ(grid.atOrAfter(real(at(2026, 1, 1, 9))), real(at(2026, 1, 1, 10, 0, 3)));
    EXPECT_EQ(grid.atOrAfter(real(at(2026, 1, 1, 10, 0, 4))), real(at(2026, 1, 1, 10, 0, 8)));
    EXPECT_EQ(grid.atOrAfter(real(at(2026, 1, 1, 10, 0, 8))), real(at(2026, 1, 1, 10, 0, 8)));
    EXPECT_EQ(grid.atOrAfter(real(at(2026, 1, 1, 11, 0, 3))), real(at(2026, 1, 1, 11, 0, 3)));
    EXPECT_FALSE(grid.atOrAfter(real(at(2026, 1, 1, 11, 0, 4))));
}
