#pragma once

#include <string>
#include <vector>

#include "rules/document/record_fields.h"
#include "rules/sections/cell_ref.h"

namespace rules {

// One field and the text it is to hold, as the file holds it (Windows-1252).
struct FieldEdit {
    FieldRef ref;
    std::string value;
};

// A cell of another section and the text it is to hold (Windows-1252).
struct CellEdit {
    CellRef ref;
    std::string value;
};

// The changes a paste, an adjustment, an import or a drawn link would make,
// worked out before anything changes, so that the editor can show them,
// ask, and store them as one step; or why none may be made. A refused plan
// holds no edits: every command here is all or nothing.
struct EditPlan {
    std::vector<FieldEdit> edits;
    std::vector<CellEdit> cells;
    // One line per changed field for the user to confirm ("Ember Guard,
    // Attack: 4 → 6"), where the command shows them; UTF-8.
    std::vector<std::string> differences;
    // What was read otherwise than it stood, and why; UTF-8.
    std::vector<std::string> notes;
    // Why nothing may change; UTF-8, empty when accepted.
    std::string problem;

    bool Refused() const { return !problem.empty(); }
    // Fields and cells it changes.
    int EditCount() const { return static_cast<int>(edits.size() + cells.size()); }
};

// The one way a plan's edits reach the document, whoever made the plan (a
// form, a table, a paste, a fix, the command line, an undo): sets every
// field and cell it names that exists, in order, a later edit of the same
// place winning, and returns the plan that puts back what was there (its
// edits in reverse order, so that applying it restores each first value).
// Places that do not exist are left out of both.
class RulesDocument;
EditPlan Apply(RulesDocument& document, const EditPlan& plan);

// A refused plan: no edits, no differences, only the reason.
inline EditPlan RefusedPlan(std::string problem) {
    EditPlan plan;
    plan.problem = std::move(problem);
    return plan;
}

}  // namespace rules
