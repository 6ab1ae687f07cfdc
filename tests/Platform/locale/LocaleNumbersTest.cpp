#include <gtest/gtest.h>

#include <QLocale>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/locale/LocaleNumbers.h"
#include "support/RaisedError.h"

using Platform::LocaleNumbers;

namespace {

class LocaleNumbersTest : public ::testing::Test {
protected:
    void use(const char* name) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }
    void TearDown() override { QLocale::setDefault(previous_); }

    static int errorOf(const std::string& text)
    {
        return TestSupport::errorNumberOf([&] { LocaleNumbers::toInteger(text); });
    }

private:
    QLocale previous_;
};

} // namespace

TEST_F(LocaleNumbersTest, ReadsTheSeparatorsOfTheUsersLocale)
{
    use("en_US");
    EXPECT_EQ(LocaleNumbers::toInteger("1,000"), 1000);
    EXPECT_EQ(LocaleNumbers::toInteger("2.5"), 2);
    EXPECT_EQ(LocaleNumbers::toInteger("3.5"), 4);
    use("de_DE");
    EXPECT_EQ(LocaleNumbers::toInteger("1.000"), 1000);
    EXPECT_EQ(LocaleNumbers::toInteger("2,5"), 2);
    EXPECT_EQ(LocaleNumbers::toInteger("-2,6"), -3);
}

TEST_F(LocaleNumbersTest, TakesBlanksAndSignsAndTheWholeIntegerRange)
{
    use("en_US");
    EXPECT_EQ(LocaleNumbers::toInteger(" 7 "), 7);
    EXPECT_EQ(LocaleNumbers::toInteger("-5"), -5);
    EXPECT_EQ(LocaleNumbers::toInteger("32767"), 32767);
    EXPECT_EQ(LocaleNumbers::toInteger("-32768"), -32768);
}

TEST_F(LocaleNumbersTest, NoNumberIsATypeMismatchAndTooLargeAnOverflow)
{
    use("en_US");
    EXPECT_EQ(errorOf("abc"), Platform::Err::TypeMismatch);
    EXPECT_EQ(errorOf(""), Platform::Err::TypeMismatch);
    EXPECT_EQ(errorOf("5x"), Platform::Err::TypeMismatch);
    EXPECT_EQ(errorOf("nan"), Platform::Err::TypeMismatch);
    EXPECT_EQ(errorOf("32768"), Platform::Err::Overflow);
    EXPECT_EQ(errorOf("-32769"), Platform::Err::Overflow);
    EXPECT_EQ(LocaleNumbers::integerOrNothing("x"), std::nullopt);
    EXPECT_EQ(LocaleNumbers::integerOrNothing("40000"), std::nullopt);
    EXPECT_EQ(LocaleNumbers::integerOrNothing("-5"), -5);
}
