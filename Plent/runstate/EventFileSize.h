#pragma once
#include <cstdint>

#include "Plent/model/colPlents.h"

namespace Plent {

// How many bytes the engine writes for these events: the file header and
// the collection's header (33 bytes), per event 109 bytes and its three
// texts, per month 29 bytes and its key, per day 14 and per weekday 18 bytes
// and their keys. A file that loads without complaint but has another size
// was cut short or carries bytes the loader never read.
class EventFileSize {
public:
    static int64_t of(const colPlents& events);
};

} // namespace Plent
