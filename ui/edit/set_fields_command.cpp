#include "ui/edit/set_fields_command.h"

#include "ui/edit/document_editor.h"

namespace ui {

namespace {
constexpr int kTypingId = 1;
}

SetFieldsCommand::SetFieldsCommand(DocumentEditor& editor, std::vector<Change> changes,
                                   const QString& text, int typingSession)
    : editor_(editor), changes_(std::move(changes)), typingSession_(typingSession) {
    setText(text);
}

void SetFieldsCommand::redo() { Apply(true); }

void SetFieldsCommand::undo() { Apply(false); }

void SetFieldsCommand::Apply(bool forward) {
    std::vector<rules::FieldRef> refs;
    refs.reserve(changes_.size());
    for (const Change& change : changes_) {
        rules::SetFieldText(editor_.MutableDocument(), change.ref, forward ? change.after : change.before);
        refs.push_back(change.ref);
    }
    editor_.Announce(refs, pushed_);
    pushed_ = true;
}

int SetFieldsCommand::id() const { return typingSession_ > 0 ? kTypingId : -1; }

bool SetFieldsCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const SetFieldsCommand*>(other);
    if (next->typingSession_ != typingSession_ || changes_.size() != 1 ||
        next->changes_.size() != 1 || !(next->changes_[0].ref == changes_[0].ref))
        return false;
    changes_[0].after = next->changes_[0].after;
    // Typing a value back to what it was leaves no step behind.
    setObsolete(changes_[0].after == changes_[0].before);
    return true;
}

}  // namespace ui
