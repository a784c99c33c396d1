#pragma once

#include <QTreeWidget>
#include <optional>
#include <utility>
#include <vector>

#include "rules/compare/comparison.h"

namespace rules {
class RulesDocument;
}

namespace ui {

// What differs between two documents, under a heading per kind: a row per
// differing unit or advance with one row per field under it
// (`Unit "Ember Guard"` / `attack 1 -> 2`), a row per cosmic value, per
// record only one side holds and per other line; under a heading per other
// section a row per differing row with one per cell under it
// (`Row "Saltmarsh" of TERRAIN` / `column "defense" 1 -> 2`). Each field row keeps the
// difference it shows, so a command can act on the rows the user selected
// (taking another file's values, for one). Rows that hold no field (a
// record one side lacks, a line outside the sections) are greyed: there is
// nothing in them a field edit could take.
class DifferencesView : public QTreeWidget {
    Q_OBJECT
  public:
    explicit DifferencesView(QWidget* parent = nullptr);

    // Shows `comparison` of `base` with `other`: their lines are needed for
    // the lines outside the records.
    void ShowComparison(const rules::Comparison& comparison, const rules::RulesDocument& base,
                        const rules::RulesDocument& other);
    // Shows `comparison` again after only its records were compared anew:
    // the rows of the other sections and lines stay as they are.
    void ShowRecords(const rules::Comparison& comparison);
    // Shows a single remark instead of differences ("No differences.").
    void ShowRemark(const QString& text);

    // The rows shown, headings left out, as the user reads them: a field
    // row under its record's row reads `Unit "Ember Guard": attack 1 -> 2`.
    QStringList RowTexts() const;
    // The row showing this field's difference, or null.
    QTreeWidgetItem* RowOf(const rules::FieldRef& ref) const;
    // The field differences of the selected rows (a heading or a record's
    // row stands for all rows under it).
    std::vector<rules::FieldDifference> SelectedFields() const;
    // The cell differences of the selected rows, likewise.
    std::vector<rules::CellDifference> SelectedCells() const;
    // The record a row speaks of: its section and 1-based number.
    std::optional<std::pair<rules::SectionId, int>> RecordOf(const QTreeWidgetItem* row) const;

  signals:
    // A row of a record was double-clicked or Enter pressed on it.
    void RecordActivated(rules::SectionId section, int record);
    // The same on a row of another section's row: the row, and the index
    // of the cell among its cells (-1 for the row as a whole).
    void RowActivated(const rules::RowDifference& row, int cell);

  private:
    void Grey(QTreeWidgetItem* row, const QString& why) const;
    // The rows of the differing records, under their headings, at the top.
    void AddRecords();

    rules::Comparison comparison_;
};

}  // namespace ui
