#pragma once
#include "CPlent.h"
#include "KeyedCollection.h"

namespace Plent {

struct IdentifierField {
    static void set(CPlent& p, const std::string& key) { p.setIdentifier(key); }
    static const std::string& get(const CPlent& p) { return p.Identifier(); }
};

// The engine's events in list order, keyed by identifier.
class colPlents : public KeyedCollection<CPlent, IdentifierField> {
public:
    static constexpr const char* ClassName = "colPlents";

    using KeyedCollection::Add;
    // With a non-empty before, files the event directly ahead of the event
    // held under before; an unknown before fails with the missing-element
    // error and adds nothing.
    Ptr Add(Ptr element, const std::string& key, const std::string& before)
    {
        if (before.empty()) return Add(std::move(element), key);
        return insert(std::move(element), key, positionOf(before));
    }

    void Save(CLoadSaveObject& stream) const { SaveSection(stream, ClassName); }
    // Adds the events of the section to those present; an identifier that is
    // already held ends the load with the duplicate-key error.
    void Load(CLoadSaveObject& stream) { LoadSection(stream, ClassName); }
};

} // namespace Plent
