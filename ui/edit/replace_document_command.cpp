#include "ui/edit/replace_document_command.h"

#include <utility>

#include "ui/edit/document_editor.h"

namespace ui {

ReplaceDocumentCommand::ReplaceDocumentCommand(DocumentEditor& editor,
                                               rules::RulesDocument::Content replacement,
                                               const QString& text)
    : editor_(editor), other_(std::move(replacement)) {
    setText(text);
}

void ReplaceDocumentCommand::redo() { Swap(); }

void ReplaceDocumentCommand::undo() { Swap(); }

void ReplaceDocumentCommand::Swap() {
    rules::RulesDocument& document = editor_.MutableDocument();
    rules::RulesDocument::Content current = document.TakeContent();
    document.PutContent(std::move(other_));
    other_ = std::move(current);
    emit editor_.Replaced();
}

}  // namespace ui
