#include <gtest/gtest.h>

#include <QLocale>

#include "Platform/locale/LocaleDateTime.h"
#include "Platform/locale/LocaleDates.h"
#include "support/CivilTime.h"

using Platform::DateTime;
using Platform::LocaleDates;
using Platform::LocaleDateTime;

namespace {

class LocaleDateTimeTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QString::fromLatin1(GetParam()))); }
    void TearDown() override { QLocale::setDefault(previous_); }

    static std::optional<DateTime> parse(const std::string& text) { return LocaleDateTime::parse(text); }

private:
    QLocale previous_;
};

using TestSupport::at;

} // namespace

TEST_P(LocaleDateTimeTest, TheShortFormsReadBackToTheSameMinute)
{
    for (const DateTime t : {at(2024, 3, 15, 8, 30, 15), at(2024, 12, 31, 23, 59, 59), at(2025, 1, 1, 0, 0),
                             at(2024, 7, 4, 12, 5), at(2024, 7, 4, 0, 45), at(1999, 2, 28, 13, 1)}) {
        const std::string text = LocaleDates::shortDate(t) + " " + LocaleDates::shortTime(t);
        EXPECT_EQ(parse(text), DateTime(t.seconds() - t.seconds() % 60)) << text;
    }
}

TEST_P(LocaleDateTimeTest, ReadsTimesAloneOnDayZeroAndDatesAloneAtMidnight)
{
    EXPECT_EQ(parse("00:00"), DateTime(0));
    EXPECT_EQ(parse("23:59"), at(1899, 12, 30, 23, 59));
    EXPECT_EQ(parse("8:30"), at(1899, 12, 30, 8, 30));
    EXPECT_EQ(parse(" 08:30:15 "), at(1899, 12, 30, 8, 30, 15));
    EXPECT_EQ(parse("2024-03-15"), at(2024, 3, 15));
    EXPECT_EQ(parse("2024-03-15 17:05"), at(2024, 3, 15, 17, 5));
}

TEST_P(LocaleDateTimeTest, RejectsWhatIsNoDateOrTime)
{
    for (const char* text : {"", "25:00", "12:60", "abc", "2024-02-30", "2024-03-15 25:00", "2024-03-15x 08:00",
                             "08:00 2024-03-15"})
        EXPECT_FALSE(LocaleDateTime::isDateTime(text)) << text;
}

TEST(LocaleDateTime, ReadsTheUsDayHalvesWithEitherBlank)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    EXPECT_EQ(LocaleDateTime::parse("8:30 PM"), at(1899, 12, 30, 20, 30));
    EXPECT_EQ(LocaleDateTime::parse("8:30\u202FPM"), at(1899, 12, 30, 20, 30));
    EXPECT_EQ(LocaleDateTime::parse("3/15/2024 12:05 AM"), at(2024, 3, 15, 0, 5));
    QLocale::setDefault(previous);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleDateTimeTest, ::testing::Values("en_US", "de_DE", "fr_FR", "ja_JP"));
