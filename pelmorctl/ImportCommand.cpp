#include "ImportCommand.h"

#include <QFile>
#include <QJsonDocument>
#include <iterator>

#include "CtlError.h"
#include "EventStore.h"
#include "EventJsonReader.h"

namespace Ctl {

std::string ImportCommand::help() const
{
    return "Builds events from JSON in the form 'pelmorctl export' writes and writes\n"
           "them as the event file FILE, replacing it. JSON is a file, or - for\n"
           "standard input.\n\n"
           "Dates may be texts (\"YYYY-MM-DDTHH:MM:SS\", seconds may be left out) or\n"
           "numbers of days since 1899-12-30. A missing field keeps the initial value of\n"
           "a new event (texts empty, numbers 0, false, dates 0); a missing Key of a\n"
           "month, day or weekday is the decimal text of its number. Numbers must be\n"
           "whole and lie between -32768 and 32767, texts must be Windows-1252\n"
           "characters other than U+0000, at most 32767 of them, and identifiers (and\n"
           "keys within their collection) must differ in more than letter case.\n"
           "Every event needs an identifier.\n"
           "Unknown fields are refused. On any problem FILE stays as it was.\n\n"
           "Example:\n"
           "  pelmorctl import events.json Pelmor.dat\n";
}

void ImportCommand::run(const Arguments& args, Console& io)
{
    const QJsonArray array = parse(readInput(args.positionals()[0], io));
    Plent::Schedule schedule = EventStore::newSchedule();
    EventJsonReader::read(array, schedule.Events());
    EventStore::save(schedule, args.positionals()[1]);
}

QByteArray ImportCommand::readInput(const std::string& path, Console& io)
{
    if (path == "-") {
        const std::string text{std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>()};
        return QByteArray::fromStdString(text);
    }
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        throw CtlError::failure("cannot read '" + path + "': " + file.errorString().toStdString());
    return file.readAll();
}

QJsonArray ImportCommand::parse(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        const QByteArray before = json.left(error.offset);
        const auto line = before.count('\n') + 1;
        const auto column = error.offset - (before.lastIndexOf('\n') + 1) + 1;
        throw CtlError::badInput("JSON, line " + std::to_string(line) + ", column " + std::to_string(column) + ": "
                                 + error.errorString().toStdString());
    }
    if (!document.isArray()) throw CtlError::badInput("JSON: the top level must be an array of events");
    return document.array();
}

} // namespace Ctl
