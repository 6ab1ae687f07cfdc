#pragma once
#include <QJsonArray>
#include <QJsonObject>
#include <memory>
#include <string>

namespace Plent {
class CPlent;
class CUnless;
class colPlents;
} // namespace Plent

namespace Ctl {

// Builds events from their JSON form (see EventJsonWriter). Dates may be
// texts or numbers, a missing field keeps the record's initial value, and
// a missing Key is the decimal text of its number. Everything is checked
// before anything is used: the first problem fails with bad input that says
// where it is.
class EventJsonReader {
public:
    // Adds the events of the array to `events`, in order; an identifier that
    // is already there (in any letter case) is refused.
    static void read(const QJsonArray& array, Plent::colPlents& events);

private:
    static std::shared_ptr<Plent::CPlent> event(const QJsonObject& object, const std::string& where);
    static void unless(const QJsonObject& object, Plent::CUnless& unless, const std::string& where);
    static void months(const QJsonArray& array, Plent::CUnless& unless, const std::string& where);
    static void weekDays(const QJsonArray& array, Plent::CUnless& unless, const std::string& where);
};

} // namespace Ctl
