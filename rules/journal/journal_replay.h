#pragma once

#include <string>
#include <vector>

#include "rules/journal/journal_format.h"

namespace rules {

// One undo step as the journal rebuilds it: a plan with its undo, or a
// replacement of the whole document.
struct ReplayedStep {
    bool replace = false;
    std::string text;
    EditPlan plan;
    EditPlan undo;
    std::string content;
    std::uint64_t beforeDigest = 0;
    std::uint64_t beforeSize = 0;
};

// The undo stack the entries describe, from the state the journal started
// at: every step in order, and how many of them are done (the rest are
// there to redo). Recovery pushes them all and undoes the rest.
struct ReplayedStack {
    std::vector<ReplayedStep> steps;
    int done = 0;
};

// Entries that could not have been written (an undo with nothing to undo, a
// fold without two steps) are passed over: what can be rebuilt is.
ReplayedStack Replay(const std::vector<JournalEntry>& entries);

}  // namespace rules
