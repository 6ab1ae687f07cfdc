#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "Platform/process/CommandLine.h"
#include "Platform/process/ProcessStarter.h"

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

TEST(ProcessStarter, StartsTheProgramWithItsArgumentsAndNoShell)
{
    const auto dir = std::filesystem::temp_directory_path() / ("pelmor-start-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto marker = dir / "marker; touch injected";
    ASSERT_TRUE(Platform::ProcessStarter::start("touch '" + marker.string() + "'"));
    for (int i = 0; i < 100 && !std::filesystem::exists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(std::filesystem::exists(marker));
    EXPECT_FALSE(std::filesystem::exists("injected"));
    std::filesystem::remove_all(dir);
}

TEST(ProcessStarter, ReportsWhatCannotBeStarted)
{
    EXPECT_FALSE(Platform::ProcessStarter::start(""));
    EXPECT_FALSE(Platform::ProcessStarter::start("'unclosed"));
    EXPECT_FALSE(Platform::ProcessStarter::start("/nonexistent/program --flag"));
}
