#include "ui/table/adjust_dialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "rules/document/text_routines.h"
#include "ui/edit/document_editor.h"
#include "rules/edits/table_plans.h"
#include "ui/table/plan_steps.h"

namespace ui {

AdjustDialog::AdjustDialog(DocumentEditor& editor, std::vector<rules::FieldRef> cells, QWidget* parent)
    : AdjustDialog(editor,
                   [&editor, cells = std::move(cells)](rules::AdjustMode mode, double amount) {
                       return rules::PlanAdjust(editor.Document(), cells, mode, amount);
                   },
                   parent) {}

AdjustDialog::AdjustDialog(DocumentEditor& editor, std::vector<rules::CellRef> cells, QWidget* parent)
    : AdjustDialog(editor,
                   [&editor, cells = std::move(cells)](rules::AdjustMode mode, double amount) {
                       return rules::PlanAdjust(editor.Document(), cells, mode, amount);
                   },
                   parent) {}

AdjustDialog::AdjustDialog(DocumentEditor& editor, Planner plan, QWidget* parent)
    : QDialog(parent), editor_(editor), plan_(std::move(plan)) {
    setObjectName(QStringLiteral("AdjustDialog"));
    setWindowTitle(tr("Adjust"));
    setTo_ = new QRadioButton(tr("Set to"), this);
    setTo_->setObjectName(QStringLiteral("AdjustSetTo"));
    add_ = new QRadioButton(tr("Add"), this);
    add_->setObjectName(QStringLiteral("AdjustAdd"));
    multiply_ = new QRadioButton(tr("Multiply by percent"), this);
    multiply_->setObjectName(QStringLiteral("AdjustMultiply"));
    add_->setChecked(true);
    amount_ = new QDoubleSpinBox(this);
    amount_->setObjectName(QStringLiteral("AdjustAmount"));
    amount_->setRange(-1e6, 1e6);
    amount_->setDecimals(1);
    amount_->setValue(1);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("AdjustSummary"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(setTo_);
    layout->addWidget(add_);
    layout->addWidget(multiply_);
    auto* form = new QFormLayout;
    form->addRow(tr("Value:"), amount_);
    layout->addLayout(form);
    layout->addWidget(summary_);
    layout->addWidget(buttons);

    for (QRadioButton* button : {setTo_, add_, multiply_})
        connect(button, &QRadioButton::toggled, this, &AdjustDialog::Update);
    connect(amount_, &QDoubleSpinBox::valueChanged, this, &AdjustDialog::Update);
    Update();
}

rules::AdjustMode AdjustDialog::Mode() const {
    if (setTo_->isChecked()) return rules::AdjustMode::SetTo;
    if (multiply_->isChecked()) return rules::AdjustMode::MultiplyPercent;
    return rules::AdjustMode::Add;
}

double AdjustDialog::Amount() const { return amount_->value(); }

void AdjustDialog::SetAdjustment(rules::AdjustMode mode, double amount) {
    (mode == rules::AdjustMode::SetTo ? setTo_
     : mode == rules::AdjustMode::Add ? add_
                                      : multiply_)
        ->setChecked(true);
    amount_->setValue(amount);
    Update();
}

int AdjustDialog::ChangedCount() const {
    return plan_(Mode(), Amount()).EditCount();
}

void AdjustDialog::Update() {
    const int count = ChangedCount();
    summary_->setText(count == 1 ? tr("1 cell will change.") : tr("%1 cells will change.").arg(count));
}

void AdjustDialog::Apply() {
    StorePlan(editor_, plan_(Mode(), Amount()), "Adjust", "cell");
}

}  // namespace ui
