#pragma once
#include <QJsonValue>
#include <optional>

#include "Platform/dates/DateTime.h"

namespace Ctl {

// A stored date in the JSON form of the events, chosen so that nothing is
// lost: the text "YYYY-MM-DDTHH:MM:SS" when it converts back to exactly the
// same stored value, otherwise the number itself. JSON has no form for a
// number that is not finite, nor for the sign of zero, so such a value is
// written as the text "0x" followed by the 16 hexadecimal digits of its bits.
class JsonDate {
public:
    static QJsonValue toJson(Platform::Date d);
    // Takes the three forms above, the date text also with a blank or
    // without seconds; nothing for anything else.
    static std::optional<Platform::Date> fromJson(const QJsonValue& v);
};

} // namespace Ctl
