#pragma once

#include <QUndoCommand>
#include <string>
#include <vector>

#include "rules/document/record_fields.h"

namespace ui {

class DocumentEditor;

// A step that sets one or more fields: each keeps its text before and
// after, so undo and redo are exact whatever happened in between.
class SetFieldsCommand : public QUndoCommand {
  public:
    struct Change {
        rules::FieldRef ref;
        std::string before;
        std::string after;
    };

    // `typingSession` > 0 marks keystrokes that may fold into the previous
    // step of the same field and session; 0 never folds.
    SetFieldsCommand(DocumentEditor& editor, std::vector<Change> changes, const QString& text,
                     int typingSession);

    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

  private:
    void Apply(bool forward);

    DocumentEditor& editor_;
    std::vector<Change> changes_;
    int typingSession_;
    bool pushed_ = false;  // the first redo is the edit itself, not a revisit
};

}  // namespace ui
