#pragma once
#include "CDay.h"
#include "KeyedCollection.h"

namespace Plent {

class colDays : public KeyedCollection<CDay, KeyMember> {
public:
    static constexpr const char* ClassName = "colDays";

    void Save(CLoadSaveObject& stream) const { SaveSection(stream, ClassName); }
    void Load(CLoadSaveObject& stream) { LoadSection(stream, ClassName); }
};

} // namespace Plent
