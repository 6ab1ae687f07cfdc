#include "EventBases.h"

#include "Platform/text/TextKey.h"

namespace Plent {

EventBases::EventBases(const colPlents& events)
{
    bases_.reserve(static_cast<size_t>(events.Count()));
    for (const auto& e : events) bases_.emplace(Platform::TextKey::fold(e->Identifier()), RunFields::of(*e));
}

const RunFields* EventBases::find(const std::string& identifier) const
{
    const auto it = bases_.find(Platform::TextKey::fold(identifier));
    return it == bases_.end() ? nullptr : &it->second;
}

} // namespace Plent
