#include "WhyCommand.h"

#include <QJsonDocument>

#include "DateText.h"
#include "EventStore.h"
#include "Plent/files/RunnerFiles.h"
#include "Platform/dates/Clock.h"
#include "WhyAnalysis.h"
#include "WhyJson.h"
#include "WhyText.h"

namespace Ctl {

std::string WhyCommand::help() const
{
    return "Tells in plain sentences what the engine decides for the event IDENTIFIER of\n"
           "the event file FILE at TIME (default now), and why, from the engine's own\n"
           "rules: the grid point of its repetition that TIME falls after and the start\n"
           "it has; each rule that moved or skipped it (the daily time window, the unless\n"
           "rule's day of the month, month's day, weekday, last day of the month or table\n"
           "date with the comment of its line, move to next day) or finished it; for a\n"
           "start that has come, the run the history holds of it, or the delay rule for\n"
           "it found at TIME; and the next start after TIME. The event is taken as the\n"
           "runner sees it, with the run state kept beside FILE merged in.\n\n"
           "Options:\n"
           "  --at TIME     the moment to explain, YYYY-MM-DD HH:MM[:SS] (default now)\n"
           "  --table PATH  the table of exception dates, for rules that use it\n"
           "  --json        the same as one JSON object\n\n"
           "Example: why did my backup not run on Saturday?\n"
           "  pelmorctl why Pelmor.dat backup --at \"2026-05-02 12:00\" --table Pelmor.tab\n";
}

void WhyCommand::run(const Arguments& args, Console& io)
{
    const auto atText = args.value("at");
    const Platform::DateTime at = atText ? DateText::parseArgument(*atText, "--at") : Platform::Clock::now();
    const std::string& file = args.positionals()[0];
    const std::string& identifier = args.positionals()[1];

    Plent::Schedule schedule = EventStore::newSchedule();
    const auto event = EventStore::loadEventForShowing(schedule, file, identifier, args.value("table"), io.err);

    const WhyFacts facts = WhyAnalysis(schedule, Plent::RunnerFiles::historyOf(file)).of(*event, at);
    if (args.has("json")) io.out << QJsonDocument(WhyJson::of(facts)).toJson(QJsonDocument::Indented).toStdString();
    else WhyText::write(io.out, facts);
}

} // namespace Ctl
