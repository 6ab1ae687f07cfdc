#pragma once
#include "CWeekDay.h"
#include "KeyedCollection.h"

namespace Plent {

class colWeekDays : public KeyedCollection<CWeekDay, KeyMember> {
public:
    static constexpr const char* ClassName = "colWeekDays";
};

} // namespace Plent
