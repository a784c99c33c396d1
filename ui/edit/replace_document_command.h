#pragma once

#include <QUndoCommand>

#include "rules/document/rules_document.h"

namespace ui {

class DocumentEditor;

// A step that swaps the whole document (its lines and tables) for another,
// such as an earlier version restored: undo puts back what was there.
class ReplaceDocumentCommand : public QUndoCommand {
  public:
    ReplaceDocumentCommand(DocumentEditor& editor, rules::RulesDocument::Content replacement,
                           const QString& text);

    void redo() override;
    void undo() override;

  private:
    void Swap();

    DocumentEditor& editor_;
    // What is not in the document right now: the replacement before the
    // first redo, the replaced content after it.
    rules::RulesDocument::Content other_;
};

}  // namespace ui
