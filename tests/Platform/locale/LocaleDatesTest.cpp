#include <gtest/gtest.h>

#include <QLocale>

#include "Platform/locale/LocaleDateTime.h"
#include "Platform/locale/LocaleDates.h"

using Platform::DateTime;
using Platform::LocaleDates;

namespace {

// Runs a test under one default locale and restores the previous one.
class LocaleDatesTest : public ::testing::Test {
protected:
    void use(const char* name) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }
    void TearDown() override { QLocale::setDefault(previous_); }

    static std::optional<DateTime> parse(const std::string& text) { return LocaleDates::parseDate(text); }

private:
    QLocale previous_;
};

const DateTime ChristmasEve = DateTime::fromCivil(2026, 12, 24);

} // namespace

TEST_F(LocaleDatesTest, ParsesUsShortDatesIsoAndDottedDates)
{
    use("en_US");
    EXPECT_EQ(parse("12/24/2026"), ChristmasEve);
    EXPECT_EQ(parse("12/24/26"), ChristmasEve);
    EXPECT_EQ(parse("2026-12-24"), ChristmasEve);
    EXPECT_EQ(parse("24.12.2026"), ChristmasEve);
    EXPECT_EQ(parse("Thursday, December 24, 2026"), ChristmasEve);
    EXPECT_EQ(parse("1/5/2027"), DateTime::fromCivil(2027, 1, 5));
}

TEST_F(LocaleDatesTest, ParsesGermanShortDatesIsoAndDottedDates)
{
    use("de_DE");
    EXPECT_EQ(parse("24.12.2026"), ChristmasEve);
    EXPECT_EQ(parse("24.12.26"), ChristmasEve);
    EXPECT_EQ(parse("2026-12-24"), ChristmasEve);
    EXPECT_EQ(parse("1.5.2027"), DateTime::fromCivil(2027, 5, 1));
    EXPECT_FALSE(parse("12/24/2026"));
}

TEST_F(LocaleDatesTest, TwoDigitYearsFallIntoTheHundredYearsFrom1930)
{
    use("de_DE");
    EXPECT_EQ(parse("01.01.29"), DateTime::fromCivil(2029, 1, 1));
    EXPECT_EQ(parse("01.01.30"), DateTime::fromCivil(1930, 1, 1));
    EXPECT_EQ(parse("29.02.28"), DateTime::fromCivil(2028, 2, 29));
}

TEST_F(LocaleDatesTest, RejectsWhatIsNoDate)
{
    for (const char* name : {"en_US", "de_DE"}) {
        use(name);
        for (const char* text : {"", "Feiertage", "31.02.2026", "2026-13-01", "24.12.2026 x", "24.12.", "12:00"})
            EXPECT_FALSE(LocaleDates::isDate(text)) << name << " " << text;
    }
}

TEST_F(LocaleDatesTest, ShortDateHasAFourDigitYearAndReadsBack)
{
    for (const char* name : {"en_US", "de_DE", "en_GB", "fr_FR"}) {
        use(name);
        for (DateTime d : {ChristmasEve, DateTime::fromCivil(1899, 12, 30), DateTime::fromCivil(2131, 7, 4)})
            EXPECT_EQ(parse(LocaleDates::shortDate(d)), d) << name << " " << LocaleDates::shortDate(d);
    }
    use("en_US");
    EXPECT_EQ(LocaleDates::shortDate(ChristmasEve), "12/24/2026");
    use("de_DE");
    EXPECT_EQ(LocaleDates::shortDate(ChristmasEve), "24.12.2026");
}

TEST_F(LocaleDatesTest, TimesFollowTheLocaleWithoutATimeZone)
{
    const DateTime t = DateTime::fromCivil(2026, 12, 24, 14, 5, 9);
    use("en_US");
    EXPECT_EQ(LocaleDates::shortTime(t), "2:05 PM");
    EXPECT_EQ(LocaleDates::longTime(t), "2:05:09 PM");
    use("de_DE");
    EXPECT_EQ(LocaleDates::shortTime(t), "14:05");
    EXPECT_EQ(LocaleDates::longTime(t), "14:05:09");
}

// The editor's time box: hours and minutes, also where the locale's short
// time form has seconds (the C locale), and it reads back to the minute.
TEST_F(LocaleDatesTest, ShortTimeHasNoSecondsInAnyLocale)
{
    const DateTime t = DateTime::fromCivil(2026, 12, 24, 21, 12, 55);
    const std::pair<const char*, const char*> expected[] = {{"C", "21:12"}, {"en_US", "9:12 PM"}, {"de_DE", "21:12"},
                                                            {"fi_FI", "21.12"}, {"en_GB", "21:12"}};
    for (const auto& [name, text] : expected) {
        use(name);
        const QString shown = QString::fromStdString(LocaleDates::shortTime(t)).replace(QChar(0x202F), u' ');
        EXPECT_EQ(shown.toStdString(), text) << name;
        const auto back = Platform::LocaleDateTime::parse(LocaleDates::shortDate(t) + " " + LocaleDates::shortTime(t));
        ASSERT_TRUE(back) << name;
        EXPECT_EQ(*back, DateTime::fromCivil(2026, 12, 24, 21, 12)) << name;
    }
}

TEST_F(LocaleDatesTest, GeneralDateDropsMidnightAndTheEmptyDate)
{
    use("de_DE");
    EXPECT_EQ(LocaleDates::generalDate(DateTime::fromCivil(2026, 12, 24, 14, 5, 9)), "24.12.2026 14:05:09");
    EXPECT_EQ(LocaleDates::generalDate(ChristmasEve), "24.12.2026");
    EXPECT_EQ(LocaleDates::generalDate(0.5), "12:00:00");
    EXPECT_EQ(LocaleDates::generalDate(0.0), "00:00:00");
    use("en_US");
    EXPECT_EQ(LocaleDates::generalDate(DateTime::fromCivil(2026, 12, 24, 9, 30)), "12/24/2026 9:30:00 AM");
}
