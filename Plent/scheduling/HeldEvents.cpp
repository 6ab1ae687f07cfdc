#include "HeldEvents.h"

#include "Plent/model/CPlent.h"
#include "Platform/text/TextKey.h"

namespace Plent {

using Platform::TextKey;

void HeldEvents::tryAgainAfter(Platform::DateTime now)
{
    if (now != heldAt_) held_.clear();
}

bool HeldEvents::holds(const CPlent& event) const
{
    return !held_.empty() && held_.count(TextKey::fold(event.Identifier())) > 0;
}

bool HeldEvents::hold(const CPlent& event, Platform::DateTime now)
{
    heldAt_ = now;
    const std::string key = TextKey::fold(event.Identifier());
    held_.insert(key);
    return told_.insert(key).second;
}

void HeldEvents::handedOut(const CPlent& event)
{
    if (!told_.empty()) told_.erase(TextKey::fold(event.Identifier()));
}

} // namespace Plent
