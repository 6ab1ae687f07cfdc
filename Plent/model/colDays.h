#pragma once
#include "CDay.h"
#include "KeyedCollection.h"

namespace Plent {

class colDays : public KeyedCollection<CDay, KeyMember> {
public:
    static constexpr const char* ClassName = "colDays";
};

} // namespace Plent
