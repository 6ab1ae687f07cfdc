#pragma once
#include "CMonth.h"
#include "KeyedCollection.h"

namespace Plent {

class colMonths : public KeyedCollection<CMonth, KeyMember> {
public:
    static constexpr const char* ClassName = "colMonths";

    void Save(CLoadSaveObject& stream) const { SaveSection(stream, ClassName); }
    void Load(CLoadSaveObject& stream) { LoadSection(stream, ClassName); }
};

} // namespace Plent
