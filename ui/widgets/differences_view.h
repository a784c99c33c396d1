#pragma once

#include <QTreeWidget>
#include <vector>

#include "rules/compare/comparison.h"

namespace rules {
class RulesDocument;
}

namespace ui {

// What differs between two documents, one row per differing field
// (`Unit "Ember Guard": attack 1 -> 2`), per record only one side holds and
// per other line, under a heading per kind. Each field row keeps the
// difference it shows, so a command can act on the rows the user selected
// (taking another file's values, for one).
class DifferencesView : public QTreeWidget {
    Q_OBJECT
  public:
    explicit DifferencesView(QWidget* parent = nullptr);

    // Shows `comparison` of `base` with `other`: their lines are needed for
    // the lines outside the records.
    void ShowComparison(const rules::Comparison& comparison, const rules::RulesDocument& base,
                        const rules::RulesDocument& other);
    // Shows a single remark instead of differences ("No differences.").
    void ShowRemark(const QString& text);

    // The rows shown, headings left out, as the user reads them.
    QStringList RowTexts() const;
    // The field differences of the selected rows (a heading stands for all
    // rows under it).
    std::vector<rules::FieldDifference> SelectedFields() const;

  private:
    rules::Comparison comparison_;
};

}  // namespace ui
