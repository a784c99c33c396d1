#include "ui/edit/set_cells_command.h"

#include "rules/sections/section_cells.h"
#include "ui/edit/document_editor.h"

namespace ui {

SetCellsCommand::SetCellsCommand(DocumentEditor& editor, std::vector<Change> changes, const QString& text)
    : editor_(editor), changes_(std::move(changes)) {
    setText(text);
}

void SetCellsCommand::redo() { Apply(true); }

void SetCellsCommand::undo() { Apply(false); }

void SetCellsCommand::Apply(bool forward) {
    std::vector<rules::CellRef> refs;
    refs.reserve(changes_.size());
    for (const Change& change : changes_) {
        rules::SetCellText(editor_.MutableDocument(), change.ref, forward ? change.after : change.before);
        refs.push_back(change.ref);
    }
    editor_.AnnounceCells(refs, pushed_);
    pushed_ = true;
}

}  // namespace ui
