// What the runner is told lies ahead: the earliest next start of the events
// that can still start, the first in the list of two at one moment.
#include <gtest/gtest.h>

#include "Plent/engine/RunnerOutlook.h"

using namespace Plent;

namespace {

struct Event {
    const char* identifier;
    Date nextStart;
    int16_t status = Status::Open;
    bool finished = false;
};

RunnerOutlook outlookOf(std::initializer_list<Event> events)
{
    colPlents list;
    for (const Event& e : events) {
        auto event = std::make_shared<CPlent>();
        event->setNextStart(e.nextStart);
        event->setStatus(e.status);
        event->setFinished(e.finished);
        list.Add(event, e.identifier);
    }
    return RunnerOutlook::of(list);
}

} // namespace

TEST(RunnerOutlook, NamesTheEarliestStartOfTheEventsThatCanStillStart)
{
    const RunnerOutlook outlook = outlookOf({{"later", 46000.5},
                                             {"stopped", 46000.1, Status::Stopped},
                                             {"finished", 46000.1, Status::Done, true},
                                             {"oncePerStart", 0},
                                             {"first", 46000.25},
                                             {"tie", 46000.25}});
    EXPECT_EQ(outlook.events, 6);
    EXPECT_EQ(outlook.nextIdentifier, "first");
    EXPECT_EQ(outlook.nextStart, 46000.25);

    EXPECT_EQ(outlookOf({{"stopped", 46000.1, Status::Stopped}}).nextStart, 0);
    EXPECT_EQ(outlookOf({}).events, 0);
}
