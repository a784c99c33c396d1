#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "rules/document/findings.h"
#include "rules/sections/cell_ref.h"
#include "rules/versions/version_store.h"

class QPushButton;
class QTreeWidget;

namespace rules {
class RulesDocument;
}

namespace ui {

class ComparisonPanel;
class DifferencesView;
class DocumentEditor;

// File -> Earlier Versions...: the kept versions of the loaded file, newest
// first, each with its time, size and a line saying what differs from the
// tables now; the one selected shows its differences field by field. Take
// theirs brings back the selected fields of that version, and Restore makes
// the whole version the document, each as one undoable step (nothing is
// written until Save Changes).
class EarlierVersionsDialog : public QDialog {
    Q_OBJECT
  public:
    EarlierVersionsDialog(DocumentEditor& editor, std::vector<rules::KeptVersion> versions,
                          QWidget* parent = nullptr);
    ~EarlierVersionsDialog() override;

    QTreeWidget* List() const { return list_; }
    DifferencesView* Differences() const;
    ComparisonPanel* Panel() const { return panel_; }
    // Replaces the document by the selected version and closes the dialog.
    void RestoreSelected();

  signals:
    void RecordActivated(rules::SectionId section, int record);
    // A row of another section was activated: its cell in the tables now.
    void CellActivated(const rules::CellRef& cell);

  private:
    struct Version;
    void ShowSelected();
    // Compares every version with the tables as they are now.
    void CompareVersions();

    DocumentEditor& editor_;
    std::vector<Version> versions_;
    QTreeWidget* list_ = nullptr;
    ComparisonPanel* panel_ = nullptr;
    QPushButton* restore_ = nullptr;
};

}  // namespace ui
