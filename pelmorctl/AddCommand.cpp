#include "AddCommand.h"

#include "AddDraft.h"
#include "CtlError.h"
#include "EventEdit.h"

namespace Ctl {

std::vector<OptionSpec> AddCommand::options() const
{
    return {{"id", true},     {"command", true}, {"description", true}, {"at", true},
            {"every", true, true}, {"once", false}, {"each-start", false}, {"from", true},
            {"to", true},     {"except", true},  {"delay", true},       {"late", true},
            {"delete-after-done", false}, {"move-to-next-day", false}, {"table", true}};
}

std::string AddCommand::help() const
{
    return "Adds one event at the end of the event file FILE (a new file when there is\n"
           "none), checked and made as the editor makes it: a first start that lies in\n"
           "the past moves to its next start after now. Prints the event as 'list' does.\n"
           "FILE is written safely; a running runner follows it and starts the event\n"
           "within five seconds when it is due. On any failure FILE stays as it was;\n"
           "a bad value ends with status 2 and names the option.\n\n"
           "Options:\n"
           "  --id ID               the identifier (not one FILE has, in any letter case)\n"
           "  --command CMD         the command line to start\n"
           "  --description TEXT    what it is for\n"
           "  --at TIME             the first start, YYYY-MM-DD HH:MM[:SS]\n"
           "  --every N UNIT        repeat every N minutes, hours, days, weeks, months\n"
           "                        or years; --once (the default) starts it once,\n"
           "                        --each-start once after every start of the runner\n"
           "  --from HHMM --to HHMM the daily time window of minute and hour repetitions\n"
           "  --except LIST         unless days, comma-separated: weekdays (mon..sun),\n"
           "                        days of the month (1..31), last (the last day of the\n"
           "                        month; give 31 with it) and table (the dates of the\n"
           "                        table of exception dates)\n"
           "  --delay MIN           the delay limit in minutes, with --late: what to do\n"
           "                        with a start found that late: do (start it), skip\n"
           "                        (seen as done) or alarm (start it with the alarm)\n"
           "  --delete-after-done   remove the event after its start (--once, --each-start)\n"
           "  --move-to-next-day    move a start hit by the unless rule to the next day\n"
           "                        instead of skipping it\n"
           "  --table PATH          the table of exception dates, when --except table\n"
           "                        must be read to find the next start\n\n"
           "Examples:\n"
           "  pelmorctl add Pelmor.dat --id backup --command \"/usr/bin/backup --all\" \\\n"
           "      --at \"2026-05-01 02:00\" --every 1 day --except sat,sun,table --table Pelmor.tab\n"
           "  pelmorctl add Pelmor.dat --id mail --command fetchmail --at \"2026-05-01 08:00\" \\\n"
           "      --every 15 minutes --from 0800 --to 1800 --delay 10 --late skip\n";
}

void AddCommand::run(const Arguments& args, Console& io)
{
    Plent::EventDraft draft;
    AddDraft::fill(args, draft);
    EventEdit edit(args.positionals()[0], true, io.err);
    if (const auto table = args.value("table")) edit.engine().setUnlessTable(*table);
    const auto taken = [&](const std::string& id) { return edit.engine().ExistEvent(id); };
    if (const auto failure = Plent::EditorChecks::firstFailure(draft, taken))
        throw CtlError::badInput(AddDraft::refusal(failure->entry));
    edit.engine().FormToCollections(draft, "");
    const auto event = edit.event(draft.identifier);
    edit.save();
    EventEdit::print(io.out, event);
}

} // namespace Ctl
