#include "SimulateCommand.h"

#include "CtlError.h"
#include "DateText.h"
#include "EventStore.h"
#include "EventTsv.h"
#include "Simulation.h"

namespace Ctl {

using Platform::DateTime;

namespace {

DateTime requiredTime(const Arguments& args, const std::string& name)
{
    const auto text = args.value(name);
    if (!text) throw CtlError::badInput("missing --" + name + " TIME");
    return DateText::parseArgument(*text, "--" + name);
}

} // namespace

std::string SimulateCommand::help() const
{
    return "Runs a fresh engine on a copy of the events of the event file FILE with a\n"
           "virtual clock that polls every five seconds from the --from time up to and\n"
           "including the --to time, exactly as the runner would: its clock runs on real\n"
           "seconds shown as local time, so it jumps and goes back where daylight saving\n"
           "time begins and ends; once-per-start events first, the delay rule (lateness\n"
           "in real time), deletion after done, the table read with today being the\n"
           "virtual date. Prints one line per hand-out: the local poll time, the\n"
           "identifier and the alarm flag (0 or 1), tab-separated. After a line with\n"
           "\"--\" it prints the events' final state in the form of 'pelmorctl list --tsv'.\n"
           "It starts nothing and never writes FILE. It simulates a fresh start: the\n"
           "run state the runner keeps beside FILE plays no part. Polls at which\n"
           "nothing can happen are skipped, so a long period costs no more than its\n"
           "hand-outs.\n\n"
           "Options:\n"
           "  --from TIME   the first poll, YYYY-MM-DD HH:MM[:SS] in local time\n"
           "  --to TIME     the end of the period; the last poll is at or before it\n"
           "  --table PATH  the table of exception dates, for rules that use it\n\n"
           "Example:\n"
           "  pelmorctl simulate Pelmor.dat --from \"2026-01-01 00:00\" --to \"2026-12-31 23:59:59\"\n";
}

void SimulateCommand::run(const Arguments& args, Console& io)
{
    const DateTime from = requiredTime(args, "from");
    const DateTime to = requiredTime(args, "to");
    if (to < from) throw CtlError::badInput("--to lies before --from");

    Plent::Schedule schedule = EventStore::newSchedule();
    EventStore::load(schedule, args.positionals()[0], io.err);
    if (const auto table = args.value("table")) schedule.setTablePath(*table);

    Simulation simulation(schedule, PollGrid(Platform::LocalTime::toSystem(from), Platform::LocalTime::toSystem(to)));
    // One line buffer for all hand-outs: a year's simulation writes close to a million lines.
    std::string line;
    simulation.run([&io, &line](DateTime poll, const std::string& identifier, bool alarm) {
        line.clear();
        DateText::append(line, poll);
        line += '\t';
        EventTsv::appendEscaped(line, identifier);
        line += alarm ? "\t1\n" : "\t0\n";
        io.out.write(line.data(), static_cast<std::streamsize>(line.size()));
    });
    io.out << "--\n";
    EventTsv::write(io.out, schedule.Events());
}

} // namespace Ctl
