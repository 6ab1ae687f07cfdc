#pragma once
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "Plent/model/CUnless.h"
#include "UnlessMask.h"

namespace Plent {

// The masks of the rules a schedule has looked at, kept for as long as its
// events have not changed. Each mask holds its rule, so that no other rule
// comes to the same address while its mask is kept.
class UnlessMasks {
public:
    // The events are at revision: masks of an earlier one are dropped.
    void seen(uint64_t revision);
    const UnlessMask& of(const std::shared_ptr<CUnless>& rule);

private:
    struct Kept {
        std::shared_ptr<CUnless> rule;
        UnlessMask mask;
    };

    uint64_t seen_ = 0;
    std::unordered_map<const CUnless*, Kept> kept_;
};

} // namespace Plent
