#pragma once

#include <array>
#include <optional>
#include <string>

#include "rules/edits/edit_plan.h"

namespace rules {

class AdvanceTable;

// A link drawn from advance `from` to advance `to`: `from` becomes a
// prerequisite of `to`. It takes a free slot ("nil" or "no"), the first one
// when both are free; when both are taken the slot given gives way, and
// without one the user must choose.
struct LinkPlan {
    EditPlan plan;       // the slot's edit; refused when `from` cannot be named
    int slot = 0;        // 1 or 2: the slot the edit sets; 0 when none
    bool mustChoose = false;  // both slots are taken and none was given
    // When the user must choose: the question, and the choice that gives
    // each slot (1, 2) way ("Replace Smelting with Tidecraft"); UTF-8.
    std::string question;
    std::array<std::string, 2> choices;
};
LinkPlan PlanLink(const AdvanceTable& advances, int from, int to, std::optional<int> slot);

}  // namespace rules
