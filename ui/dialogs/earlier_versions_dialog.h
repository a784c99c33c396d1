#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "rules/document/findings.h"
#include "rules/sections/cell_ref.h"
#include "rules/versions/version_store.h"

class QPushButton;
class QTimer;
class QTreeWidget;

namespace rules {
class RulesDocument;
struct Comparison;
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
// written until Save Changes). The list comes from the versions' names and
// sizes alone: a version is read when it is selected, and the other lines
// are filled in one version at a time once the dialog shows (a version of
// many megabytes only when selected), so a list of versions of a 50 MB file
// shows at once and holds one of them in memory.
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

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Version;
    void ShowSelected();
    // Reads and parses version `row`; null with its line saying why not.
    std::shared_ptr<const rules::RulesDocument> Read(int row);
    // The tables changed: every line is out of date, the selected one's is
    // the panel's to tell.
    void TablesChanged();
    // Says of version `row` what differs from the tables now.
    void Summarize(int row, const rules::Comparison& comparison);
    // Fills in the next line out of date, one version per call.
    void FillNext();
    // The line of a large version not yet compared.
    static QString SelectToCompare();

    DocumentEditor& editor_;
    std::vector<Version> versions_;
    // The version selected, as read: the one held in memory.
    std::shared_ptr<const rules::RulesDocument> shown_;
    int shownRow_ = -1;
    QTimer* filler_ = nullptr;
    bool painted_ = false;
    QTreeWidget* list_ = nullptr;
    ComparisonPanel* panel_ = nullptr;
    QPushButton* restore_ = nullptr;
};

}  // namespace ui
