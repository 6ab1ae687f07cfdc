#pragma once
#include <optional>
#include <vector>

#include "Platform/dates/DateTime.h"
#include "UnlessHit.h"

namespace Plent {

// What the next-start rule decided for one event, step by step, for those
// who want to explain a start: the grid point it reached, each candidate the
// unless rule skipped or moved on, and why it gave up when it found none.
struct StartTrace {
    enum class Rule {
        GridPoint, // before: the grid's anchor, after: the first grid point after now
        Skipped,   // the unless rule held at before; after: the next grid point tried
        Moved,     // the unless rule held at before; after: the start a day later
        Finished,  // no start: see why
    };
    enum class End { None, NoRetry, BadRetryMode, PastLastDate, WindowShutsOut, SearchBound };

    struct Step {
        Rule rule;
        Platform::DateTime before;
        std::optional<Platform::DateTime> after;
        UnlessHit hit;
        End end = End::None;
    };

    std::vector<Step> steps;

    void add(Step step) { steps.push_back(std::move(step)); }
};

} // namespace Plent
