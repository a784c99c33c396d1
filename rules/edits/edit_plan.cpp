#include "rules/edits/edit_plan.h"

#include <algorithm>

#include "rules/document/rules_document.h"
#include "rules/sections/section_cells.h"

namespace rules {

EditPlan Apply(RulesDocument& document, const EditPlan& plan) {
    EditPlan inverse;
    inverse.edits.reserve(plan.edits.size());
    for (const FieldEdit& edit : plan.edits) {
        if (!IsValidField(document, edit.ref)) continue;
        inverse.edits.push_back({edit.ref, FieldText(document, edit.ref)});
        SetFieldText(document, edit.ref, edit.value);
    }
    inverse.cells.reserve(plan.cells.size());
    for (const CellEdit& edit : plan.cells) {
        if (!IsValidCell(document, edit.ref)) continue;
        inverse.cells.push_back({edit.ref, CellText(document, edit.ref)});
        SetCellText(document, edit.ref, edit.value);
    }
    std::reverse(inverse.edits.begin(), inverse.edits.end());
    std::reverse(inverse.cells.begin(), inverse.cells.end());
    return inverse;
}

}  // namespace rules
