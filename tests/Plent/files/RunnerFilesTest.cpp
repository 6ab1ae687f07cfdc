// What the runner keeps about an event file lies beside it, named after it.
#include <gtest/gtest.h>

#include <string>

#include "Plent/files/RunnerFiles.h"

using Plent::RunnerFiles;

namespace {

struct Beside {
    std::string (*of)(const std::string&);
    const char* eventFile;
    const char* expected;
};

TEST(RunnerFiles, NameWhatTheyKeepAfterTheEventFile)
{
    const Beside cases[] = {
        {RunnerFiles::stateOf, "/home/u/.local/lib/pelmor/Pelmor.dat", "/home/u/.local/lib/pelmor/Pelmor.state"},
        {RunnerFiles::stateOf, "/tmp/events", "/tmp/events.state"},
        {RunnerFiles::historyOf, "/home/u/lib/Pelmor.dat", "/home/u/lib/Pelmor.history"},
        {RunnerFiles::historyOf, "/tmp/a.b/events", "/tmp/a.b/events.history"},
    };
    for (const Beside& c : cases) EXPECT_EQ(c.of(c.eventFile), c.expected) << c.eventFile;
}

} // namespace
