#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

#include "rules/compare/merge.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace ui {

class DocumentEditor;
class UndoKeys;

// File -> Merge...: brings the changes another file made to a common base
// (a friend's mod made from the same base rules, an update of the base) onto
// the tables, field by field, as one step Undo takes back, and lists what
// both changed differently: base, ours and theirs for each, with "Take
// theirs" for a field. Ours stays wherever nothing is taken; nothing is
// written until Save Changes.
class MergeDialog : public QDialog {
    Q_OBJECT
  public:
    MergeDialog(DocumentEditor& editor, std::vector<rules::MergeConflict> conflicts,
                const QString& summary, QWidget* parent = nullptr);
    ~MergeDialog() override;

    // Asks for the base file and their file, merges theirs onto the tables,
    // and shows the conflicts (the dialog it returns); says what it did when
    // there are none. A file that cannot be read is said in an error box and
    // changes nothing.
    static MergeDialog* Run(DocumentEditor& editor, QWidget* parent);
    // The same with the two files given (tests); returns the dialog when
    // there are conflicts to list.
    static MergeDialog* Merge(DocumentEditor& editor, const QString& baseFile,
                              const QString& theirFile, QWidget* parent);

    QTreeWidget* List() const { return list_; }
    QPushButton* TakeButton() const { return take_; }
    // Sets each selected field conflict to theirs, as one step.
    void TakeSelected();

  signals:
    void RecordActivated(rules::SectionId section, int record);
    // A conflict over a cell of another section was activated.
    void CellActivated(const rules::CellRef& cell);

  private:
    // Shows the conflicts still open: a field now holding theirs is resolved.
    void Refresh();

    DocumentEditor& editor_;
    std::vector<rules::MergeConflict> conflicts_;
    QLabel* summary_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QPushButton* take_ = nullptr;
    // Belongs to the editor, which may go first.
    QPointer<UndoKeys> undoKeys_;
};

}  // namespace ui
