#pragma once
#include "CWeekDay.h"
#include "KeyedCollection.h"

namespace Plent {

class colWeekDays : public KeyedCollection<CWeekDay, KeyMember> {
public:
    static constexpr const char* ClassName = "colWeekDays";

    void Save(CLoadSaveObject& stream) const { SaveSection(stream, ClassName); }
    void Load(CLoadSaveObject& stream) { LoadSection(stream, ClassName); }
};

} // namespace Plent
