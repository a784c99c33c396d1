#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "rules/document/field_values.h"
#include "rules/document/record_fields.h"
#include "rules/edits/edit_plan.h"
#include "rules/sections/cell_ref.h"

class QDoubleSpinBox;
class QLabel;
class QRadioButton;

namespace ui {

class DocumentEditor;

// "Adjust...": sets the selected numbers to a value, adds to them, or
// multiplies them by a percentage; results are rounded and kept within each
// field's range. The dialog says how many cells will change; OK makes the
// change one step. Works on fields or on cells of the other sections.
class AdjustDialog : public QDialog {
    Q_OBJECT
  public:
    AdjustDialog(DocumentEditor& editor, std::vector<rules::FieldRef> cells, QWidget* parent);
    AdjustDialog(DocumentEditor& editor, std::vector<rules::CellRef> cells, QWidget* parent);

    rules::AdjustMode Mode() const;
    double Amount() const;
    void SetAdjustment(rules::AdjustMode mode, double amount);
    // How many of the cells the adjustment changes.
    int ChangedCount() const;
    // Stores the adjustment as one step.
    void Apply();

  private:
    using Planner = std::function<rules::EditPlan(rules::AdjustMode, double)>;
    AdjustDialog(DocumentEditor& editor, Planner plan, QWidget* parent);
    void Update();

    DocumentEditor& editor_;
    Planner plan_;
    QRadioButton* setTo_;
    QRadioButton* add_;
    QRadioButton* multiply_;
    QDoubleSpinBox* amount_;
    QLabel* summary_;
};

}  // namespace ui
