#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"
#include "rules/edits/edit_plan.h"
#include "rules/versions/keeping_save.h"

class QUndoStack;

namespace ui {

using rules::FieldEdit;

// The owner of the rules document for its whole life: it loads it, saves it
// (keeping the version a save replaces), replaces it, and is the one way its
// tables change. Everyone else gets the document read-only. Every edit, from
// a form control, a table cell, a paste, a quick fix, a link drawn in the
// tree or a field taken from another file, becomes a step on its undo stack,
// so undo always knows the way back. Views subscribe to its signals and show
// the document themselves; nobody pushes refreshes to them.
class DocumentEditor : public QObject {
    Q_OBJECT
  public:
    explicit DocumentEditor(QObject* parent = nullptr);

    const rules::RulesDocument& Document() const { return document_; }
    QUndoStack* Stack() const { return stack_; }

    // Reads the file's bytes (nothing parsed yet, nothing announced).
    rules::Status Load(const std::string& fileName, rules::Language language);
    // The same from bytes (tests, benchmarks).
    void LoadBytes(std::string_view bytes, rules::Language language);
    // Reads the three sections of what was loaded: the tables as read are the
    // saved state, with no step to undo. Announces Loaded.
    void Parse();

    // Writes the file as Save Changes does (see rules::SaveKeepingVersion),
    // into the versions folder VersionsRoot(). Once written, or when there was
    // nothing to write, the tables are the saved state: Saved is announced.
    rules::SaveOutcome Save();
    // Where the versions of every rules file are kept.
    static std::filesystem::path VersionsRoot();
    // The folder of the loaded file's versions.
    QString VersionsFolder() const;
    // Whether saving would write anything (the document's own answer): an
    // edit changed back by hand is no unsaved change.
    bool HasUnsavedChanges() const { return unsaved_; }

    // Asks every view with an edit still open (a table cell being typed) to
    // hand it in now, as a step, before a save, a close or a comparison.
    void CommitPendingEdits();

    // Sets one field as one step. A `typing` edit folds into the step before
    // it when that was typing into the same field too, until EndTyping (the
    // field lost the focus, another field was edited): keystrokes in one
    // field undo together, as in a text editor. Setting a field to the text
    // it holds makes no step.
    void SetField(const rules::FieldRef& ref, std::string value, bool typing = false);
    // The one way values change: the plan's fields and cells set as one step
    // named `text` ("Paste 12 cells"; for one place, that place's name when
    // empty). Places that would not change, or do not exist, are left out,
    // a later edit of the same place wins, and nothing left makes no step.
    void Edit(rules::EditPlan plan, const QString& text = {});
    // Shorthands for Edit. Sets several fields as one step named `text`; fields
    // that would not change are left out, and nothing at all makes no step.
    // Invalid references are ignored.
    void SetFields(std::vector<FieldEdit> edits, const QString& text);
    // Sets cells of the other sections as one step named `text`, as
    // SetFields sets fields ("Defense of Saltmarsh (TERRAIN)" for one).
    void SetCells(std::vector<rules::CellEdit> edits, const QString& text = {});
    void SetCell(const rules::CellRef& ref, std::string value);
    // Fields and cells as one step (a comparison's differences taken).
    void SetEdits(std::vector<FieldEdit> fields, std::vector<rules::CellEdit> cells, const QString& text);
    // Replaces the whole document by `content` as one step named `text`
    // ("Restore the version of 8 Dec 2026 11:02").
    void ReplaceDocument(rules::RulesDocument::Content content, const QString& text);
    // Edit -> Align Columns: re-pads the lines of the three sections so each
    // column starts at one place, as one step; values never change. False
    // when every line was aligned already.
    bool AlignColumns();
    // Ends the folding of keystrokes into the current step.
    void EndTyping();
    // Undoes or redoes one step; a step being typed ends first.
    void Undo();
    void Redo();

    // The name the Edit menu gives a step that sets this field: "Attack of
    // Ember Guard", "Rename Ember Guard", "RoadMove".
    QString StepName(const rules::FieldRef& ref) const;
    // "Defense of Saltmarsh (TERRAIN)", "Comment of Row 3 (TERRAIN)".
    QString StepName(const rules::CellRef& ref) const;

  signals:
    // A file was read: every view fills itself anew.
    void Loaded();
    // The whole document was replaced (or put back): the number of records
    // may differ, so every view fills itself anew.
    void Replaced();
    // Fields of these records of `section` changed (by a new step, an undo or
    // a redo); every view re-reads them.
    void FieldsChanged(rules::SectionId section, const QList<int>& records);
    // Cells of these rows of other section `section` changed (by a step, an
    // undo or a redo).
    void CellsChanged(int section, const QList<int>& rows);
    // The file was written (or already held the tables): what the tables are
    // compared with on disk is what they are now.
    void Saved();
    // An undo or redo changed this field: the window brings its page to the
    // front and shows it, so the user sees what changed.
    void StepRevisited(const rules::FieldRef& ref);
    // The same for a cell of another section.
    void CellRevisited(const rules::CellRef& ref);
    // Views holding an edit not yet stored store it now (CommitPendingEdits).
    void CommitRequested();
    // Whether there are unsaved changes flipped (the window's title mark).
    void UnsavedChanged(bool unsaved);

  private:
    friend class EditCommand;
    friend class ReplaceDocumentCommand;
    // For the commands alone: the document they change.
    rules::RulesDocument& MutableDocument() { return document_; }
    // Called by the commands after they changed the tables: what the plan
    // set changed; a revisit (undo, redo) also shows its first place.
    void Announce(const rules::EditPlan& plan, bool revisit);
    // Asks the document whether saving would write anything, after every
    // step, undo, redo, load and save.
    void UpdateUnsaved();

    rules::RulesDocument document_;
    QUndoStack* stack_;
    int typingSession_ = 0;
    bool unsaved_ = false;
};

}  // namespace ui
