#pragma once
#include <cstdint>

namespace Plent {

// Process-wide change counters of the records, so that what is derived from
// them (the due index, the unless masks) can tell cheaply whether it is still
// current, whoever changed a record: the engine, the editor, an automation
// client or the list window. Events() moves on with every change to an event
// record or to any collection, Rules() with every change to an unless rule
// or to any collection. Counting across all engines only ever costs a
// rebuild, never a stale answer.
class ModelRevision {
public:
    static uint64_t Events();
    static uint64_t Rules();
    static void eventChanged();
    static void ruleChanged();
    // A collection's membership or order changed.
    static void collectionChanged();
};

} // namespace Plent
