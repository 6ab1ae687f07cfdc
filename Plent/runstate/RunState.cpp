#include "RunState.h"

#include "Platform/text/TextKey.h"

namespace Plent {

using Platform::TextKey;

void RunState::set(StateEntry entry)
{
    std::string key = TextKey::fold(entry.Identifier);
    entries_.insert_or_assign(std::move(key), std::move(entry));
}

const StateEntry* RunState::find(const std::string& identifier) const
{
    const auto it = entries_.find(TextKey::fold(identifier));
    return it == entries_.end() ? nullptr : &it->second;
}

void RunState::erase(const std::string& identifier) { entries_.erase(TextKey::fold(identifier)); }

} // namespace Plent
