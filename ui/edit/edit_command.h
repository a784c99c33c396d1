#pragma once

#include <QUndoCommand>

#include "rules/edits/edit_plan.h"

namespace ui {

class DocumentEditor;

// The one kind of step that changes values: a plan applied and, on undo, the
// plan that puts back what it replaced, so undo and redo are exact whatever
// happened in between. Fields and cells alike, one or a whole pasted column.
class EditCommand : public QUndoCommand {
  public:
    // `typingSession` > 0 marks keystrokes that may fold into the previous
    // step of the same place and session; 0 never folds.
    EditCommand(DocumentEditor& editor, rules::EditPlan plan, const QString& text, int typingSession);

    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    // What the step sets, as a redo applies it.
    const rules::EditPlan& Plan() const { return plan_; }

  private:
    DocumentEditor& editor_;
    rules::EditPlan plan_;
    rules::EditPlan inverse_;  // what the last redo replaced
    int typingSession_;
    bool pushed_ = false;  // the first redo is the edit itself, not a revisit
};

}  // namespace ui
