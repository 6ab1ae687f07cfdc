#include "NextCommand.h"

#include <charconv>

#include "CtlError.h"
#include "DateText.h"
#include "EventStore.h"
#include "NextStarts.h"
#include "Platform/dates/Clock.h"

namespace Ctl {

std::string NextCommand::help() const
{
    return "Prints the next starts of the event IDENTIFIER of the event file FILE, one\n"
           "per line, computed by the engine's own next-start rule with the event's\n"
           "unless rule. The first is the event's next start, moved past TIME the way\n"
           "the engine moves a start that lies in the past; each further one is the\n"
           "start the engine computes when the event is handed out exactly at the\n"
           "previous one. An event that will not start again prints nothing and says\n"
           "so on standard error; an event that starts once per program run says that\n"
           "instead of dates. The event is taken as the runner sees it, with the run\n"
           "state kept beside FILE merged in (see 'pelmorctl list --help').\n\n"
           "Options:\n"
           "  --count N     how many starts, 1 to 100000 (default 5)\n"
           "  --at TIME     the moment to look from, YYYY-MM-DD HH:MM[:SS] (default now)\n"
           "  --table PATH  the table of exception dates, for rules that use it\n\n"
           "Example:\n"
           "  pelmorctl next Pelmor.dat Backup --count 3 --at \"2026-05-01 08:00\" --table Pelmor.tab\n";
}

void NextCommand::run(const Arguments& args, Console& io)
{
    const int n = count(args);
    const auto at = args.value("at");
    const Platform::DateTime from = at ? DateText::parseArgument(*at, "--at") : Platform::Clock::now();
    const std::string& file = args.positionals()[0];
    const std::string& identifier = args.positionals()[1];

    Plent::Schedule schedule = EventStore::newSchedule();
    const auto event = EventStore::loadEventForShowing(schedule, file, identifier, args.value("table"), io.err);

    const NextStarts::Preview preview = NextStarts::of(schedule, *event, from, n);
    switch (preview.kind) {
    case NextStarts::Kind::OncePerRun: io.out << "once per program run\n"; break;
    case NextStarts::Kind::Stopped:
        io.err << "pelmorctl: '" << event->Identifier() << "' is stopped and will not start until it is resumed\n";
        break;
    case NextStarts::Kind::Dates:
        if (preview.starts.empty()) io.err << "pelmorctl: '" << event->Identifier() << "' will not start again\n";
        for (const auto& start : preview.starts) io.out << DateText::format(start) << '\n';
        break;
    }
}

int NextCommand::count(const Arguments& args)
{
    const auto text = args.value("count");
    if (!text) return DefaultCount;
    int n = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), n);
    if (ec != std::errc() || end != text->data() + text->size() || n < 1 || n > MaxCount)
        throw CtlError::badInput("--count: '" + *text + "' is no whole number from 1 to 100000");
    return n;
}

} // namespace Ctl
