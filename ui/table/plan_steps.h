#pragma once

#include <QString>

#include "rules/edits/edit_plan.h"

class QWidget;

namespace ui {

class DocumentEditor;

// Stores the plan's edits as one step named by `verb` and the count of its
// `noun` ("Paste 6 cells"); a plan of one edit takes that field's own step
// name, and an empty one makes no step.
void StorePlan(DocumentEditor& editor, rules::EditPlan plan, const char* verb, const char* noun);

// Shows what an import would change, with its notes, and asks: true for
// Import. The dialog is "ImportDialog", its lists "ImportDifferences" and
// "ImportNotes".
bool ConfirmImport(QWidget* parent, const rules::EditPlan& plan);

}  // namespace ui
