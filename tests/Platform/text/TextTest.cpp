#include <gtest/gtest.h>

#include "Platform/text/Cp1252.h"
#include "Platform/text/TextKey.h"

using Platform::Cp1252;
using Platform::TextKey;

TEST(Cp1252, GermanTextAndTheEuroSignTakeOneByteEach)
{
    const std::string bytes = Cp1252::fromUtf8("Gebühr €5");
    EXPECT_EQ(bytes, std::string("Geb\xFChr \x80" "5"));
    EXPECT_EQ(Cp1252::toUtf8(bytes), "Gebühr €5");
}

TEST(Cp1252, CharactersWithoutASingleByteBecomeQuestionMarks)
{
    EXPECT_EQ(Cp1252::fromUtf8("a\xE2\x88\x9E" "b"), "a?b");   // U+221E
    EXPECT_EQ(Cp1252::fromUtf8("\xF0\x9F\x98\x80"), "?");      // an emoji
    EXPECT_EQ(Cp1252::fromUtf8("x\xC3"), "x?");                 // cut-off sequence
    EXPECT_EQ(Cp1252::fromUtf8("\xC0\x80"), "?");               // overlong NUL
}

TEST(Cp1252, EveryByteRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(Cp1252::fromUtf8(Cp1252::toUtf8(one)), one) << b;
    }
}

TEST(Cp1252, AsciiTestSeesAHighByteAnywhereInALongText)
{
    EXPECT_TRUE(Cp1252::isAscii(""));
    for (size_t at : {size_t{0}, size_t{31}, size_t{32}, size_t{99}}) {
        std::string text(100, '\x7F');
        EXPECT_TRUE(Cp1252::isAscii(text));
        text[at] = '\x80';
        EXPECT_FALSE(Cp1252::isAscii(text)) << at;
        EXPECT_EQ(Cp1252::toUtf8(text).size(), 102u) << at; // the euro sign takes three bytes
    }
}

TEST(TextKey, LetterCaseDoesNotMatterForAsciiAndAccentedLetters)
{
    EXPECT_TRUE(TextKey::equal("Backup", "bACKUP"));
    EXPECT_TRUE(TextKey::equal("ÄRGER", "ärger"));
    EXPECT_TRUE(TextKey::equal("ŠKODA", "škoda"));
    EXPECT_TRUE(TextKey::equal("Ÿ", "ÿ"));
    EXPECT_TRUE(TextKey::equal("ŒUVRE", "œuvre"));
    EXPECT_FALSE(TextKey::equal("a", "ä"));
    EXPECT_FALSE(TextKey::equal("×", "÷")); // not a letter pair
    EXPECT_FALSE(TextKey::equal("ß", "ss"));
}
