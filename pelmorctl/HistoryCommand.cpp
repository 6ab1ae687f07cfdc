#include "HistoryCommand.h"

#include <QJsonDocument>

#include "HistoryFilter.h"
#include "HistoryOutcome.h"
#include "Plent/files/RunnerFiles.h"
#include "Plent/history/HistoryReader.h"

namespace Ctl {

namespace {

std::string notesOf(const History::RunRecord& run)
{
    std::string notes;
    if (run.fields().value(History::Key::Late).toBool()) notes += " (late)";
    if (run.fields().value(History::Key::Alarm).toBool()) notes += " (alarm)";
    if (run.manual()) notes += " (started by hand)";
    if (const qint64 cut = run.fields().value(History::Key::OutputCut).toInteger())
        notes += " (output cut: " + std::to_string(cut) + " bytes dropped)";
    return notes;
}

void writeOutput(std::ostream& out, const History::RunRecord& run)
{
    const QString output = run.output();
    if (output.isEmpty()) return;
    for (const QString& line : output.split('\n', Qt::SkipEmptyParts)) out << "    " << line.toStdString() << '\n';
}

} // namespace

std::string HistoryCommand::help() const
{
    return "Shows the run history the runner keeps beside the event file FILE (for\n"
           "Pelmor.dat: Pelmor.history), one line per run, oldest first: the time of\n"
           "the hand-out, the identifier, and the outcome: not started (and why), the\n"
           "exit status or the signal that ended the program and how long it ran, or\n"
           "that it was still running when the runner ended. Late and alarm hand-outs\n"
           "are marked.\n\n"
           "  --id ID        only the runs of the event ID\n"
           "  --since TIME   only runs handed out at TIME or later\n"
           "  --failed       only runs that did not start, or ended with a status\n"
           "                 other than 0 or by a signal\n"
           "  --output       also the kept output of each run (its last 8 KiB)\n"
           "  --json         the runs as JSON objects, one a line, with the fields\n"
           "                 the history stores\n\n"
           "A missing history prints nothing.\n\n"
           "Example: did the backup run last night, and why not?\n"
           "  pelmorctl history Pelmor.dat --id backup --since \"2026-05-01 18:00\" --output\n";
}

void HistoryCommand::run(const Arguments& args, Console& io)
{
    const HistoryFilter filter(args);
    const auto history = History::HistoryReader::read(Plent::RunnerFiles::historyOf(args.positionals()[0]));
    if (history.damaged > 0) io.err << "pelmorctl history: " << history.damaged << " damaged lines skipped\n";
    for (const History::RunRecord& run : history.runs) {
        if (!filter.admits(run)) continue;
        if (args.has("json")) {
            io.out << QJsonDocument(run.fields()).toJson(QJsonDocument::Compact).toStdString() << '\n';
            continue;
        }
        io.out << run.time().toStdString() << "  " << run.identifier().toStdString() << "  " << HistoryOutcome::of(run)
               << notesOf(run) << '\n';
        if (args.has("output")) writeOutput(io.out, run);
    }
}

} // namespace Ctl
