#pragma once

#include <QWidget>
#include <memory>

#include "rules/compare/comparison.h"

class QLabel;
class QPushButton;

namespace rules {
class RulesDocument;
}

namespace ui {

class DifferencesView;
class DocumentEditor;

// What differs between the tables now and another document ("theirs":
// another rules file, a kept version), with "Take theirs" copying the values
// of the selected differences into the tables as one step Undo takes back.
// The view follows the tables: a change to their fields (a take, an undo, an
// edit elsewhere) compares those records again, so what was taken
// disappears, and the rest of the list stays as it was: on a file of 50 MB
// typing never waits for the whole files to be compared again. A document
// replaced compares everything anew.
class ComparisonPanel : public QWidget {
    Q_OBJECT
  public:
    // How the rows read: from the tables now to theirs ("now -> theirs"), or
    // from theirs to now, as time went for an earlier version.
    enum class Order { NowToTheirs, TheirsToNow };

    ComparisonPanel(DocumentEditor& editor, Order order, QWidget* parent = nullptr);

    // Compares the tables with `theirs` from now on; null shows `remark`
    // instead and takes nothing.
    void Show(std::shared_ptr<const rules::RulesDocument> theirs, const QString& remark = {});
    // Compares everything anew and shows the differences, keeping the place
    // in the list.
    void Refresh();
    // Copies theirs into the tables for every field and cell difference
    // selected.
    void TakeSelected();

    DifferencesView* View() const { return view_; }
    QPushButton* TakeButton() const { return take_; }
    const rules::Comparison& Current() const { return comparison_; }

  signals:
    void RecordActivated(rules::SectionId section, int record);
    // A row of another section was activated: the cell in the tables now.
    void CellActivated(const rules::CellRef& cell);
    // The differences were compared anew (the tables changed).
    void Compared(const rules::Comparison& comparison);

  private:
    // Compares the records of `section` that changed, and shows them.
    void FieldsChanged(rules::SectionId section, const QList<int>& records);
    // Shows the comparison, keeping the place in the list; `whole`: the
    // other lines too, from both documents' lines.
    void ShowCompared(bool whole);
    void SelectionChanged();
    void RowActivated(const rules::RowDifference& row, int cell);

    DocumentEditor& editor_;
    Order order_;
    std::shared_ptr<const rules::RulesDocument> theirs_;
    rules::Comparison comparison_;
    DifferencesView* view_ = nullptr;
    QPushButton* take_ = nullptr;
};

}  // namespace ui
