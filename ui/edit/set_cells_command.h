#pragma once

#include <QUndoCommand>
#include <string>
#include <vector>

#include "rules/sections/cell_ref.h"

namespace ui {

class DocumentEditor;

// A step that sets cells of the other sections: each keeps its text before
// and after, so undo and redo are exact whatever happened in between.
class SetCellsCommand : public QUndoCommand {
  public:
    struct Change {
        rules::CellRef ref;
        std::string before;
        std::string after;
    };

    SetCellsCommand(DocumentEditor& editor, std::vector<Change> changes, const QString& text);

    void redo() override;
    void undo() override;

  private:
    void Apply(bool forward);

    DocumentEditor& editor_;
    std::vector<Change> changes_;
    bool pushed_ = false;  // the first redo is the edit itself, not a revisit
};

}  // namespace ui
