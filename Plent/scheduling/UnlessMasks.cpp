#include "UnlessMasks.h"

namespace Plent {

void UnlessMasks::seen(uint64_t revision)
{
    if (revision == seen_) return;
    seen_ = revision;
    kept_.clear();
}

const UnlessMask& UnlessMasks::of(const std::shared_ptr<CUnless>& rule)
{
    const auto [at, added] = kept_.try_emplace(rule.get());
    if (added) at->second = {rule, UnlessMask::of(*rule)};
    return at->second.mask;
}

} // namespace Plent
