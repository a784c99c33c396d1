#include "ui/edit/edit_command.h"

#include "ui/edit/document_editor.h"

namespace ui {

namespace {
constexpr int kTypingId = 1;

bool OneField(const rules::EditPlan& plan) { return plan.edits.size() == 1 && plan.cells.empty(); }
}  // namespace

EditCommand::EditCommand(DocumentEditor& editor, rules::EditPlan plan, const QString& text,
                         int typingSession)
    : editor_(editor), plan_(std::move(plan)), typingSession_(typingSession) {
    // The step's own list of differences and notes were for the user to
    // confirm; the step keeps only what it sets.
    plan_.differences.clear();
    plan_.notes.clear();
    setText(text);
}

void EditCommand::redo() {
    inverse_ = rules::Apply(editor_.MutableDocument(), plan_);
    editor_.Announce(plan_, pushed_);
    pushed_ = true;
}

void EditCommand::undo() {
    rules::Apply(editor_.MutableDocument(), inverse_);
    // The same places as the redo, shown from the first one the step set.
    editor_.Announce(plan_, true);
}

int EditCommand::id() const { return typingSession_ > 0 ? kTypingId : -1; }

bool EditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const EditCommand*>(other);
    if (next->typingSession_ != typingSession_ || !OneField(plan_) || !OneField(next->plan_) ||
        inverse_.edits.size() != 1 || !(next->plan_.edits[0].ref == plan_.edits[0].ref))
        return false;
    plan_.edits[0].value = next->plan_.edits[0].value;
    // Typing a value back to what it was leaves no step behind.
    setObsolete(plan_.edits[0].value == inverse_.edits[0].value);
    return true;
}

}  // namespace ui
