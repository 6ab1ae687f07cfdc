#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "Platform/process/CommandLine.h"

using Platform::CommandLine;
using Words = std::vector<std::string>;

TEST(CommandLine, SplitsOnBlanksAndKeepsQuotedPartsTogether)
{
    EXPECT_EQ(CommandLine::split("  backup   --all\t/home "), (Words{"backup", "--all", "/home"}));
    EXPECT_EQ(CommandLine::split("sh -c 'echo $HOME; rm -rf x'"), (Words{"sh", "-c", "echo $HOME; rm -rf x"}));
    EXPECT_EQ(CommandLine::split(R"(say "a \"quoted\" \\ word" x)"), (Words{"say", R"(a "quoted" \ word)", "x"}));
    EXPECT_EQ(CommandLine::split(R"(a\ b "c"'d'e)"), (Words{"a b", "cde"}));
    EXPECT_EQ(CommandLine::split(R"(keep "\n" as is)"), (Words{"keep", R"(\n)", "as", "is"}));
    EXPECT_EQ(CommandLine::split("empty '' \"\""), (Words{"empty", "", ""}));
}

TEST(CommandLine, ShellCharactersAreOrdinaryCharacters)
{
    EXPECT_EQ(CommandLine::split("echo $(id) `id` ; | > * ~"), (Words{"echo", "$(id)", "`id`", ";", "|", ">", "*", "~"}));
}

TEST(CommandLine, OpenQuotesAndATrailingBackslashAreMalformed)
{
    EXPECT_FALSE(CommandLine::split("echo 'open"));
    EXPECT_FALSE(CommandLine::split("echo \"open"));
    EXPECT_FALSE(CommandLine::split("echo \\"));
    EXPECT_EQ(CommandLine::split("   "), Words{});
}
