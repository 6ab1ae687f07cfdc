#include "ExportCommand.h"

#include <QJsonDocument>

#include "EventStore.h"
#include "EventJsonWriter.h"

namespace Ctl {

std::string ExportCommand::help() const
{
    return "Writes the events of the event file FILE as JSON on standard output: an\n"
           "array of the events in list order, each an object with the fields of the\n"
           "event record (Identifier, Description, Parameter, NextStart, LastStart,\n"
           "RetryMode, Retry, From, To, Delay, DelayMode, DeleteAfterDone, MoveToNextDay,\n"
           "Status, Finished, RegularStart) and Unless, an object with FromTable, Months\n"
           "(objects with Key, Month and Days, objects with Key and Day) and WeekDays\n"
           "(objects with Key and WeekDay). Booleans are true or false.\n\n"
           + std::string(EventStore::StateHelp) +
           "A date is the text \"YYYY-MM-DDTHH:MM:SS\" when that text stands for exactly\n"
           "the stored value, otherwise the stored number of days since 1899-12-30, so\n"
           "that nothing is lost; a value JSON has no number for (not finite, or minus\n"
           "zero) is the text \"0x\" followed by the 16 hexadecimal digits of its bits.\n"
           "'pelmorctl import' turns the JSON back into the same event file.\n\n"
           "Example:\n"
           "  pelmorctl export Pelmor.dat > events.json\n";
}

void ExportCommand::run(const Arguments& args, Console& io)
{
    Plent::Schedule schedule = EventStore::newSchedule();
    EventStore::loadForShowing(schedule, args.positionals()[0], !args.has(EventStore::NoState), io.err);
    io.out << QJsonDocument(EventJsonWriter::events(schedule.Events())).toJson(QJsonDocument::Indented).toStdString();
}

} // namespace Ctl
