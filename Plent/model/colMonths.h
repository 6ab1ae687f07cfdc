#pragma once
#include "CMonth.h"
#include "KeyedCollection.h"

namespace Plent {

class colMonths : public KeyedCollection<CMonth, KeyMember> {
public:
    static constexpr const char* ClassName = "colMonths";
};

} // namespace Plent
