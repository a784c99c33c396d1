#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"

class QUndoStack;

namespace ui {

// One field and the text it is to hold.
struct FieldEdit {
    rules::FieldRef ref;
    std::string value;
};

// The one way the tables change. Every edit, from a form control, a table
// cell, a paste, a quick fix, a link drawn in the tree or a field taken from
// another file, becomes a step on this undo stack; whoever shows the tables
// listens to FieldsChanged and re-reads them. Nothing else writes to the
// tables, so undo always knows the way back.
class DocumentEditor : public QObject {
    Q_OBJECT
  public:
    explicit DocumentEditor(rules::RulesDocument& document, QObject* parent = nullptr);

    rules::RulesDocument& Document() { return document_; }
    const rules::RulesDocument& Document() const { return document_; }
    QUndoStack* Stack() const { return stack_; }

    // Sets one field as one step. A `typing` edit folds into the step before
    // it when that was typing into the same field too, until EndTyping (the
    // field lost the focus, another field was edited): keystrokes in one
    // field undo together, as in a text editor. Setting a field to the text
    // it holds makes no step.
    void SetField(const rules::FieldRef& ref, std::string value, bool typing = false);
    // Sets several fields as one step named `text` ("Paste 12 cells"); fields
    // that would not change are left out, and nothing at all makes no step.
    // Invalid references are ignored.
    void SetFields(std::vector<FieldEdit> edits, const QString& text);
    // Replaces the whole document by `content` as one step named `text`
    // ("Restore the version of 8 Dec 2026 11:02").
    void ReplaceDocument(rules::RulesDocument::Content content, const QString& text);
    // Ends the folding of keystrokes into the current step.
    void EndTyping();
    // Undoes or redoes one step; a step being typed ends first.
    void Undo();
    void Redo();

    // The name the Edit menu gives a step that sets this field: "Attack of
    // Ember Guard", "Rename Ember Guard", "RoadMove".
    QString StepName(const rules::FieldRef& ref) const;

    // Forgets every step (a new file was loaded): the tables as they are now
    // are the saved state.
    void Reset();

  signals:
    // The whole document was replaced (or put back): the number of records
    // may differ, so every view fills itself anew.
    void DocumentReplaced();
    // Fields of these records of `section` changed (by a new step, an undo or
    // a redo); every view re-reads them.
    void FieldsChanged(rules::SectionId section, const QList<int>& records);
    // An undo or redo changed this field: the window brings its page to the
    // front and shows it, so the user sees what changed.
    void StepRevisited(const rules::FieldRef& ref);

  private:
    friend class SetFieldsCommand;
    friend class ReplaceDocumentCommand;
    // Called by the commands after they changed the tables.
    void Announce(const std::vector<rules::FieldRef>& refs, bool revisit);

    rules::RulesDocument& document_;
    QUndoStack* stack_;
    int typingSession_ = 0;
};

}  // namespace ui
