#include "EventJsonReader.h"

#include "CtlError.h"
#include "JsonFields.h"
#include "Plent/model/colPlents.h"

namespace Ctl {

using Plent::CPlent;

namespace {

// Files an element under its key; a key the collection already holds, in
// any letter case, is refused.
template <class Collection, class Element>
void addUnique(Collection& collection, std::shared_ptr<Element> element, const std::string& key,
               const std::string& where, const std::string& what)
{
    if (collection.Item(key)) throw CtlError::badInput(where + ": " + what + " '" + key + "' is given twice");
    collection.Add(std::move(element), key);
}

std::string indexed(const std::string& where, const char* name, qsizetype index)
{
    return where + ", " + name + "[" + std::to_string(index) + "]";
}

} // namespace

void EventJsonReader::read(const QJsonArray& array, Plent::colPlents& events)
{
    for (qsizetype i = 0; i < array.size(); ++i) {
        const std::string number = "event " + std::to_string(i + 1);
        const QJsonObject object = JsonFields::objectAt(array, i, number);
        const QJsonValue identifierValue = object.value(QLatin1String("Identifier"));
        const std::string where =
            identifierValue.isString() ? number + " ('" + identifierValue.toString().toStdString() + "')" : number;
        auto e = event(object, where);
        const std::string identifier = e->Identifier();
        // The runner never starts an event without identifier.
        if (identifier.empty()) throw CtlError::badInput(number + ": the identifier is empty");
        addUnique(events, std::move(e), identifier, where, "identifier");
    }
}

std::shared_ptr<CPlent> EventJsonReader::event(const QJsonObject& object, const std::string& where)
{
    auto e = std::make_shared<CPlent>();
    const JsonFields f(object, where,
                       {"Identifier", "Description", "Parameter", "NextStart", "LastStart", "RetryMode", "Retry", "From",
                        "To", "Delay", "DelayMode", "DeleteAfterDone", "MoveToNextDay", "Status", "Finished",
                        "RegularStart", "Unless"});
    e->setIdentifier(f.text("Identifier", e->Identifier()));
    e->setDescription(f.text("Description", e->Description()));
    e->setParameter(f.text("Parameter", e->Parameter()));
    e->setNextStart(f.date("NextStart", e->NextStart()));
    e->setLastStart(f.date("LastStart", e->LastStart()));
    e->setRetryMode(f.integer("RetryMode", e->RetryMode()));
    e->setRetry(f.integer("Retry", e->Retry()));
    e->setFrom(f.integer("From", e->From()));
    e->setTo(f.integer("To", e->To()));
    e->setDelay(f.integer("Delay", e->Delay()));
    e->setDelayMode(f.integer("DelayMode", e->DelayMode()));
    e->setDeleteAfterDone(f.boolean("DeleteAfterDone", e->DeleteAfterDone()));
    e->setMoveToNextDay(f.boolean("MoveToNextDay", e->MoveToNextDay()));
    e->setStatus(f.integer("Status", e->Status()));
    e->setFinished(f.boolean("Finished", e->Finished()));
    e->setRegularStart(f.date("RegularStart", e->RegularStart()));
    unless(f.object("Unless"), e->Unless(), where + ", Unless");
    return e;
}

void EventJsonReader::unless(const QJsonObject& object, Plent::CUnless& u, const std::string& where)
{
    const JsonFields f(object, where, {"FromTable", "Months", "WeekDays"});
    u.setFromTable(f.boolean("FromTable", u.FromTable()));
    months(f.array("Months"), u, where);
    weekDays(f.array("WeekDays"), u, where);
}

void EventJsonReader::months(const QJsonArray& array, Plent::CUnless& u, const std::string& where)
{
    for (qsizetype i = 0; i < array.size(); ++i) {
        const std::string monthWhere = indexed(where, "Months", i);
        const JsonFields f(JsonFields::objectAt(array, i, monthWhere), monthWhere, {"Key", "Month", "Days"});
        auto month = std::make_shared<Plent::CMonth>();
        month->setMonth(f.integer("Month", month->Month()));
        const QJsonArray days = f.array("Days");
        for (qsizetype j = 0; j < days.size(); ++j) {
            const std::string dayWhere = indexed(monthWhere, "Days", j);
            const JsonFields d(JsonFields::objectAt(days, j, dayWhere), dayWhere, {"Key", "Day"});
            auto day = std::make_shared<Plent::CDay>();
            day->setDay(d.integer("Day", day->Day()));
            addUnique(month->Days(), day, d.text("Key", std::to_string(day->Day())), dayWhere, "day key");
        }
        addUnique(u.Months(), month, f.text("Key", std::to_string(month->Month())), monthWhere, "month key");
    }
}

void EventJsonReader::weekDays(const QJsonArray& array, Plent::CUnless& u, const std::string& where)
{
    for (qsizetype i = 0; i < array.size(); ++i) {
        const std::string weekDayWhere = indexed(where, "WeekDays", i);
        const JsonFields f(JsonFields::objectAt(array, i, weekDayWhere), weekDayWhere, {"Key", "WeekDay"});
        auto weekDay = std::make_shared<Plent::CWeekDay>();
        weekDay->setWeekDay(f.integer("WeekDay", weekDay->WeekDay()));
        addUnique(u.WeekDays(), weekDay, f.text("Key", std::to_string(weekDay->WeekDay())), weekDayWhere,
                  "weekday key");
    }
}

} // namespace Ctl
