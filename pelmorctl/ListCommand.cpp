#include "ListCommand.h"

#include "EventStore.h"
#include "EventTable.h"
#include "EventTsv.h"

namespace Ctl {

std::string ListCommand::help() const
{
    return "Shows the events of the event file FILE in list order, the order in which\n"
           "the engine hands out events that are due at the same time.\n\n"
           + std::string(EventStore::StateHelp) +
           "Without --tsv an aligned table for people. With --tsv one line per event\n"
           "with these tab-separated columns and nothing else:\n"
           "  Identifier, NextStart, LastStart, Status (the code), RetryMode, Retry,\n"
           "  Finished (0 or 1), Description, Parameter\n"
           "Dates are written YYYY-MM-DD HH:MM:SS, rounded to the second. A backslash,\n"
           "tab, line feed or carriage return in a text is written \\\\, \\t, \\n or \\r.\n\n"
           "Example:\n"
           "  pelmorctl list Pelmor.dat --tsv\n";
}

void ListCommand::run(const Arguments& args, Console& io)
{
    Plent::Schedule schedule = EventStore::newSchedule();
    EventStore::loadForShowing(schedule, args.positionals()[0], !args.has(EventStore::NoState), io.err);
    if (args.has("tsv")) EventTsv::write(io.out, schedule.Events());
    else EventTable::write(io.out, schedule.Events());
}

} // namespace Ctl
