#include "ui/widgets/comparison_panel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "rules/document/rules_document.h"
#include "ui/edit/document_editor.h"
#include "ui/widgets/differences_view.h"

namespace ui {

namespace {

// The place of `row` among all rows shown, depth first; -1 for none.
int PlaceOf(QTreeWidget* tree, const QTreeWidgetItem* row) {
    int place = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it, ++place)
        if (*it == row) return place;
    return -1;
}

QTreeWidgetItem* RowAt(QTreeWidget* tree, int place) {
    QTreeWidgetItem* last = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it, --place) {
        last = *it;
        if (place == 0) break;
    }
    return last;
}

}  // namespace

ComparisonPanel::ComparisonPanel(DocumentEditor& editor, Order order, QWidget* parent)
    : QWidget(parent), editor_(editor), order_(order) {
    setObjectName(QStringLiteral("ComparisonPanel"));
    view_ = new DifferencesView(this);
    view_->setObjectName(QStringLiteral("Differences"));
    take_ = new QPushButton(tr("&Take theirs"), this);
    take_->setObjectName(QStringLiteral("TakeTheirsButton"));
    take_->setAutoDefault(false);
    take_->setEnabled(false);
    take_->setToolTip(
        tr("Copy their values of the selected differences into the tables, as one step you can "
           "undo. A record's row or a heading takes everything under it; Ctrl+A selects all."));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(take_);
    buttons->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(view_, 1);
    column->addLayout(buttons);

    connect(take_, &QPushButton::clicked, this, &ComparisonPanel::TakeSelected);
    connect(view_, &QTreeWidget::itemSelectionChanged, this, &ComparisonPanel::SelectionChanged);
    connect(view_, &DifferencesView::RecordActivated, this, &ComparisonPanel::RecordActivated);
    // Whatever changed the tables, the differences shown must be theirs now.
    connect(&editor_, &DocumentEditor::FieldsChanged, this, &ComparisonPanel::Refresh);
    connect(&editor_, &DocumentEditor::Replaced, this, &ComparisonPanel::Refresh);
}

void ComparisonPanel::Show(std::shared_ptr<const rules::RulesDocument> theirs,
                           const QString& remark) {
    theirs_ = std::move(theirs);
    if (!theirs_) {
        comparison_ = {};
        view_->ShowRemark(remark);
        SelectionChanged();
        return;
    }
    Refresh();
    view_->setCurrentItem(nullptr);
    view_->clearSelection();
}

void ComparisonPanel::Refresh() {
    if (!theirs_) return;
    const int place = PlaceOf(view_, view_->currentItem());
    const rules::RulesDocument& now = editor_.Document();
    const bool fromNow = order_ == Order::NowToTheirs;
    comparison_ = fromNow ? rules::Compare(now, *theirs_) : rules::Compare(*theirs_, now);
    view_->ShowComparison(comparison_, fromNow ? now : *theirs_, fromNow ? *theirs_ : now);
    // The keyboard goes on where it was, on the row that took the place of
    // the rows taken, without selecting it: a second Take must not take
    // what the user never chose.
    if (place >= 0) {
        if (QTreeWidgetItem* row = RowAt(view_, place))
            view_->setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
    }
    SelectionChanged();
    emit Compared(comparison_);
}

void ComparisonPanel::SelectionChanged() { take_->setEnabled(!view_->SelectedFields().empty()); }

void ComparisonPanel::TakeSelected() {
    const std::vector<rules::FieldDifference> fields = view_->SelectedFields();
    if (fields.empty()) return;
    std::vector<FieldEdit> edits;
    edits.reserve(fields.size());
    for (const rules::FieldDifference& field : fields)
        edits.push_back({field.ref, order_ == Order::NowToTheirs ? field.after : field.before});
    const QString text = fields.size() == 1
                             ? tr("Take Theirs: %1").arg(editor_.StepName(fields.front().ref))
                             : tr("Take Theirs: %1 Fields").arg(fields.size());
    editor_.SetFields(std::move(edits), text);
}

}  // namespace ui
