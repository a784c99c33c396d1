#pragma once

#include <vector>

#include "rules/document/advance_table.h"
#include "rules/document/unit_table.h"

namespace rules {

// What the tables imply about a unit: when it can first be built and how much
// research that takes, and when it is retired.
struct UnitFigures {
    static constexpr int kStart = -1;    // needs no advance
    static constexpr int kUnknown = -2;  // names no advance that exists, or one of no epoch
    static constexpr int kNone = -3;     // never retired
    int availableEpoch = kStart;
    // Advances a player must have in all before the unit can be built.
    int advancesNeeded = 0;
    bool neverAvailable = false;  // its prerequisite waits on a circle
    int retiredEpoch = kNone;
};

struct AdvanceFigures {
    int advancesNeeded = 0;  // everything it needs, all the way back
    int opens = 0;           // advances that need it directly
    int units = 0;           // units it brings
};

// The figures of every unit and advance, in table order, computed from the
// links a look-up follows (the first advance with an abbreviation).
struct RecordFigures {
    std::vector<UnitFigures> units;
    std::vector<AdvanceFigures> advances;

    static RecordFigures Compute(const AdvanceTable& advances, const UnitTable& units);
};

}  // namespace rules
