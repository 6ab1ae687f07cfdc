#include "EventJsonWriter.h"

#include "JsonDate.h"
#include "Plent/model/colPlents.h"

namespace Ctl {

namespace {

QString textOf(const std::string& s) { return QString::fromStdString(s); }

} // namespace

QJsonArray EventJsonWriter::events(const Plent::colPlents& events)
{
    QJsonArray array;
    for (const auto& e : events) array.append(event(*e));
    return array;
}

QJsonObject EventJsonWriter::event(Plent::CPlent& e)
{
    return {{"Identifier", textOf(e.Identifier())},
            {"Description", textOf(e.Description())},
            {"Parameter", textOf(e.Parameter())},
            {"NextStart", JsonDate::toJson(e.NextStart())},
            {"LastStart", JsonDate::toJson(e.LastStart())},
            {"RetryMode", e.RetryMode()},
            {"Retry", e.Retry()},
            {"From", e.From()},
            {"To", e.To()},
            {"Delay", e.Delay()},
            {"DelayMode", e.DelayMode()},
            {"DeleteAfterDone", e.DeleteAfterDone()},
            {"MoveToNextDay", e.MoveToNextDay()},
            {"Status", e.Status()},
            {"Finished", e.Finished()},
            {"RegularStart", JsonDate::toJson(e.RegularStart())},
            {"Unless", unless(e.Unless())}};
}

QJsonObject EventJsonWriter::unless(Plent::CUnless& u)
{
    QJsonArray months;
    for (const auto& m : u.Months()) {
        QJsonArray days;
        for (const auto& d : m->Days()) days.append(QJsonObject{{"Key", textOf(d->Key())}, {"Day", d->Day()}});
        months.append(QJsonObject{{"Key", textOf(m->Key())}, {"Month", m->Month()}, {"Days", days}});
    }
    QJsonArray weekDays;
    for (const auto& w : u.WeekDays())
        weekDays.append(QJsonObject{{"Key", textOf(w->Key())}, {"WeekDay", w->WeekDay()}});
    return {{"FromTable", u.FromTable()}, {"Months", months}, {"WeekDays", weekDays}};
}

} // namespace Ctl
