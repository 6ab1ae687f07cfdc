#include <gtest/gtest.h>

#include "CtlFixtures.h"

using namespace ctlfixtures;

namespace {
bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
} // namespace

TEST(CtlApp, ExplainsItselfOnRequestAndOnStandardErrorWhenCalledBare)
{
    const CtlRun help = ctl({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* command : {"list", "export", "import", "next", "simulate"})
        EXPECT_TRUE(contains(help.out, std::string("\n  ") + command + " ")) << command;
    EXPECT_EQ(ctl({"help"}).out, help.out);

    const CtlRun bare = ctl({});
    EXPECT_EQ(bare.status, 2);
    EXPECT_EQ(bare.out, "");
    EXPECT_EQ(bare.err, help.out);
}

TEST(CtlApp, TellsItsVersionAndWhereTheRunnersEventFileIs)
{
    const CtlRun version = ctl({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("pelmorctl ")) << version.out;
    EXPECT_EQ(ctl({"--version", "list"}).status, 2);
    EXPECT_TRUE(contains(ctl({"--help"}).out, "$PELMOR_HOME, else $XDG_DATA_HOME/pelmor, else\n  ~/.local/share/pelmor"));
}

TEST(CtlApp, GivesEachCommandsHelpWhereverHelpIsAsked)
{
    for (const char* command : {"list", "export", "import", "next", "simulate"}) {
        const CtlRun help = ctl({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_TRUE(help.out.starts_with(std::string("usage: pelmorctl ") + command)) << help.out;
        EXPECT_TRUE(contains(help.out, "Example:\n  pelmorctl " + std::string(command))) << help.out;
        EXPECT_EQ(ctl({"help", command}).out, help.out);
        // Help wins over positional arguments missing or left over, not
        // over options the command does not know.
        EXPECT_EQ(ctl({command, "-h", "--bogus"}).status, 2);
        EXPECT_EQ(ctl({command, "x", "y", "z", "-h"}).out, help.out);
    }
}

TEST(CtlApp, RefusesUnknownCommandsAndBadUsageWithStatusTwo)
{
    const CtlRun unknown = ctl({"lsit", "e.dat"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "pelmorctl: unknown command 'lsit'\nTry 'pelmorctl --help'.\n");
    EXPECT_EQ(ctl({"help", "lsit"}).err, unknown.err);

    const CtlRun missing = ctl({"import", "e.json"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "pelmorctl import: missing FILE\nusage: pelmorctl import JSON FILE\n"
                           "Try 'pelmorctl import --help'.\n");

    const CtlRun option = ctl({"list", "e.dat", "--csv"});
    EXPECT_EQ(option.status, 2);
    EXPECT_TRUE(option.err.starts_with("pelmorctl list: unknown option '--csv'\n")) << option.err;
}
