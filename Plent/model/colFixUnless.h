#pragma once
#include "CFixUnless.h"
#include "KeyedCollection.h"

namespace Plent {

// The dates of the fixed exception-date table. Adding a date that is already
// present keeps the first one and reports nothing.
class colFixUnless : public KeyedCollection<CFixUnless, KeyMember> {
public:
    Ptr Add(Ptr element, const std::string& key)
    {
        if (!Item(key)) KeyedCollection::Add(element, key);
        else element->setKey(key);
        return element;
    }
};

} // namespace Plent
