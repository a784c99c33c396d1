#include "ui/widgets/comparison_panel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "rules/document/rules_document.h"
#include "ui/edit/document_editor.h"
#include "ui/widgets/accessibility.h"
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
    NameForScreenReaders(view_, tr("Differences"));
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
    connect(view_, &DifferencesView::RowActivated, this, &ComparisonPanel::RowActivated);
    // Whatever changed the tables, the differences shown must be theirs now:
    // an edit of fields touches the records it names; cells of the other
    // sections, or a replaced document, compare everything anew.
    connect(&editor_, &DocumentEditor::FieldsChanged, this, &ComparisonPanel::FieldsChanged);
    connect(&editor_, &DocumentEditor::CellsChanged, this, &ComparisonPanel::Refresh);
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
    if (theirs_) ShowCompared(true);
}

void ComparisonPanel::ShowCompared(bool whole) {
    const int place = PlaceOf(view_, view_->currentItem());
    const rules::RulesDocument& now = editor_.Document();
    const bool fromNow = order_ == Order::NowToTheirs;
    const rules::RulesDocument& base = fromNow ? now : *theirs_;
    const rules::RulesDocument& other = fromNow ? *theirs_ : now;
    if (whole) {
        comparison_ = rules::Compare(base, other);
        view_->ShowComparison(comparison_, base, other);
    } else {
        view_->ShowRecords(comparison_);
    }
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

void ComparisonPanel::FieldsChanged(rules::SectionId section, const QList<int>& records) {
    if (!theirs_) return;
    const rules::RulesDocument& now = editor_.Document();
    const bool fromNow = order_ == Order::NowToTheirs;
    rules::RecompareRecords(fromNow ? now : *theirs_, fromNow ? *theirs_ : now, section,
                            std::vector<int>(records.begin(), records.end()), comparison_);
    ShowCompared(false);
}

void ComparisonPanel::SelectionChanged() {
    take_->setEnabled(!view_->SelectedFields().empty() || !view_->SelectedCells().empty());
}

void ComparisonPanel::RowActivated(const rules::RowDifference& row, int cell) {
    // The tables now are the base of the comparison or its other side.
    const bool fromNow = order_ == Order::NowToTheirs;
    const int section = fromNow ? row.baseSection : row.otherSection;
    if (section < 0) return;  // a row only theirs holds
    int column = 0;
    if (cell >= 0 && cell < static_cast<int>(row.cells.size()))
        column = fromNow ? row.cells[static_cast<std::size_t>(cell)].ref.column
                         : row.cells[static_cast<std::size_t>(cell)].otherRef.column;
    emit CellActivated({section, row.row, column});
}

void ComparisonPanel::TakeSelected() {
    const std::vector<rules::FieldDifference> fields = view_->SelectedFields();
    const std::vector<rules::CellDifference> cells = view_->SelectedCells();
    if (fields.empty() && cells.empty()) return;
    const bool fromNow = order_ == Order::NowToTheirs;
    std::vector<FieldEdit> edits;
    edits.reserve(fields.size());
    for (const rules::FieldDifference& field : fields)
        edits.push_back({field.ref, fromNow ? field.after : field.before});
    std::vector<rules::CellEdit> cellEdits;
    for (const rules::CellDifference& cell : cells)
        cellEdits.push_back({fromNow ? cell.ref : cell.otherRef, fromNow ? cell.after : cell.before});
    const std::size_t count = fields.size() + cells.size();
    QString text;
    if (count > 1)
        text = tr("Take Theirs: %1 Fields").arg(count);
    else if (!fields.empty())
        text = tr("Take Theirs: %1").arg(editor_.StepName(fields.front().ref));
    else
        text = tr("Take Theirs: %1").arg(editor_.StepName(cellEdits.front().ref));
    editor_.SetEdits(std::move(edits), std::move(cellEdits), text);
}

}  // namespace ui
