#pragma once
#include <QJsonArray>
#include <QJsonObject>

namespace Plent {
class CPlent;
class CUnless;
class colPlents;
} // namespace Plent

namespace Ctl {

// The events as JSON: an array in list order, each event an object with the
// record's field names and its unless rule under "Unless".
class EventJsonWriter {
public:
    static QJsonArray events(const Plent::colPlents& events);
    static QJsonObject event(Plent::CPlent& event);

private:
    static QJsonObject unless(Plent::CUnless& unless);
};

} // namespace Ctl
