#include "ui/table/table_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "rules/document/rules_document.h"
#include "rules/edits/csv_exchange.h"
#include "rules/edits/table_plans.h"
#include "ui/edit/document_editor.h"
#include "ui/table/adjust_dialog.h"
#include "ui/table/balance_chart.h"
#include "ui/table/cell_delegate.h"
#include "ui/table/plan_steps.h"
#include "ui/table/record_filter.h"
#include "ui/widgets/key_help.h"

namespace ui {

namespace {

QToolButton* MakeToolButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

}  // namespace

TablePage::TablePage(DocumentEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    // Declared now, though the table is built on first entry, so that the
    // list of shortcuts has them from the start.
    DeclareKeys(this, QStringLiteral("Ctrl+C, Ctrl+V"),
                QStringLiteral("Copy, paste cells as a spreadsheet does (Table page)"));
    DeclareKeys(this, QStringLiteral("Ctrl+A"), QStringLiteral("Select every cell (Table page)"));
}

void TablePage::showEvent(QShowEvent* event) {
    if (!Built()) Build();
    QWidget::showEvent(event);
}

void TablePage::Enter() {
    if (!Built()) Build();
    model_->Refresh();
    chart_->Redraw();
}

void TablePage::CommitOpenCell() {
    if (!view_) return;
    if (QWidget* editor = view_->indexWidget(view_->currentIndex())) {
        emit view_->itemDelegate()->commitData(editor);
        emit view_->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TablePage::Build() {
    model_ = new RecordTableModel(editor_, this);
    // What the file on disk holds: the text read, or the last saved.
    if (!diskText_) {
        diskText_ = [this](const rules::FieldRef& ref) -> std::optional<std::string> {
            return editor_.Document().SavedText(ref);
        };
    }
    model_->SetDiskTextSource(diskText_);
    filter_ = new RecordFilter(*model_, this);

    section_ = new QComboBox(this);
    section_->setObjectName(QStringLiteral("TableSection"));
    section_->addItem(QStringLiteral("Units"), static_cast<int>(rules::SectionId::Units));
    section_->addItem(QStringLiteral("Advances"), static_cast<int>(rules::SectionId::Advances));
    section_->addItem(QStringLiteral("Cosmic"), static_cast<int>(rules::SectionId::Cosmic));
    filterText_ = new QLineEdit(this);
    filterText_->setObjectName(QStringLiteral("TableFilter"));
    filterText_->setPlaceholderText(QStringLiteral("Filter by name"));
    filterText_->setClearButtonEnabled(true);
    onlyChanged_ = new QCheckBox(QStringLiteral("Only changed"), this);
    onlyChanged_->setObjectName(QStringLiteral("OnlyChanged"));
    onlyChanged_->setToolTip(QStringLiteral(
        "Show only the records that differ from the file as last loaded or saved"));
    // Without the texts on disk nothing can be told changed.
    onlyChanged_->setEnabled(static_cast<bool>(diskText_));
    showChart_ = MakeToolButton(QStringLiteral("ShowChart"), QStringLiteral("Chart"), this);
    showChart_->setCheckable(true);
    showChart_->setChecked(true);
    showChart_->setToolTip(QStringLiteral("Show or hide the balance chart"));

    auto* adjust = MakeToolButton(QStringLiteral("AdjustButton"), QStringLiteral("Adjust..."), this);
    adjust->setToolTip(QStringLiteral("Set, add to or scale the selected numbers"));
    auto* exportCsv =
        MakeToolButton(QStringLiteral("ExportCsvButton"), QStringLiteral("Export CSV..."), this);
    auto* importCsv =
        MakeToolButton(QStringLiteral("ImportCsvButton"), QStringLiteral("Import CSV..."), this);

    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("RecordTable"));
    view_->setModel(filter_);
    view_->setItemDelegate(new CellDelegate(*model_, view_));
    view_->setSortingEnabled(true);
    view_->sortByColumn(-1, Qt::AscendingOrder);  // file order until a heading is clicked
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->installEventFilter(this);

    chart_ = new BalanceChart(editor_, this);
    chart_->setObjectName(QStringLiteral("BalanceChart"));

    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setObjectName(QStringLiteral("TableSplitter"));
    splitter_->addWidget(view_);
    splitter_->addWidget(chart_);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    splitter_->setChildrenCollapsible(false);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("TableMessage"));
    message_->setWordWrap(true);
    message_->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(section_);
    top->addWidget(filterText_, 1);
    top->addWidget(onlyChanged_);
    top->addWidget(showChart_);
    auto* commands = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(adjust), static_cast<QWidget*>(exportCsv),
                       static_cast<QWidget*>(importCsv)})
        commands->addWidget(w);
    commands->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addLayout(commands);
    layout->addWidget(splitter_, 1);
    layout->addWidget(message_);

    connect(section_, &QComboBox::currentIndexChanged, this, [this] {
        ShowSection(static_cast<rules::SectionId>(section_->currentData().toInt()));
    });
    connect(filterText_, &QLineEdit::textChanged, filter_, &RecordFilter::SetNameFilter);
    connect(onlyChanged_, &QCheckBox::toggled, filter_, &RecordFilter::SetOnlyChanged);
    connect(showChart_, &QToolButton::toggled, chart_, &QWidget::setVisible);
    connect(adjust, &QToolButton::clicked, this, &TablePage::AdjustSelection);
    connect(exportCsv, &QToolButton::clicked, this, &TablePage::ExportCsvClick);
    connect(importCsv, &QToolButton::clicked, this, &TablePage::ImportCsvClick);
    connect(model_, &RecordTableModel::EditRefused, this, &TablePage::ShowMessage);
    connect(chart_, &BalanceChart::UnitClicked, this, &TablePage::SelectUnit);
    // A save, a close, a page switch or a comparison first takes the text
    // of a cell still being typed, as a step of its own.
    connect(&editor_, &DocumentEditor::CommitRequested, this, &TablePage::CommitOpenCell);
    // Each step clears the last refusal: it is about a cell that is gone.
    connect(&editor_, &DocumentEditor::FieldsChanged, message_, &QWidget::hide);
    // Under "Only changed" an undo may bring a record back or let it go.
    connect(&editor_, &DocumentEditor::FieldsChanged, this, [this] {
        if (filter_->OnlyChanged()) filter_->invalidate();
    });

    ShowSection(rules::SectionId::Units);
}

void TablePage::ShowSection(rules::SectionId section) {
    if (!Built()) Build();
    {
        const QSignalBlocker blocker(section_);
        section_->setCurrentIndex(section_->findData(static_cast<int>(section)));
    }
    model_->SetSection(section);
    view_->sortByColumn(-1, Qt::AscendingOrder);
    view_->horizontalHeader()->setSortIndicatorShown(true);
    view_->resizeColumnsToContents();
    // Another section starts at its first row and its names.
    view_->scrollToTop();
    view_->horizontalScrollBar()->setValue(0);
    // The chart plots units; the other sections have no pair of numbers
    // worth plotting.
    const bool units = section == rules::SectionId::Units;
    showChart_->setEnabled(units);
    chart_->setVisible(units && showChart_->isChecked());
}

void TablePage::ShowField(const rules::FieldRef& ref) {
    if (!Built()) Build();
    if (ref.section != model_->Section()) ShowSection(ref.section);
    const int column = model_->ColumnOfField(ref.field);
    const QModelIndex index =
        filter_->mapFromSource(model_->index(model_->RowOfRecord(ref.record), std::max(column, 0)));
    if (!index.isValid()) return;
    view_->setCurrentIndex(index);
    view_->scrollTo(index);
}

void TablePage::SetDiskTextSource(RecordTableModel::DiskTextSource source) {
    diskText_ = std::move(source);
    if (!model_) return;
    model_->SetDiskTextSource(diskText_);
    onlyChanged_->setEnabled(static_cast<bool>(diskText_));
}

void TablePage::ShowMessage(const QString& text) {
    message_->setText(text);
    message_->show();
}

void TablePage::Refuse(const QString& title, const QString& text) {
    ShowMessage(text);
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, window());
    box.setObjectName(QStringLiteral("TableRefusal"));
    box.exec();
}

bool TablePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            CopySelection();
            return true;
        }
        if (key->matches(QKeySequence::Paste)) {
            PasteClipboard();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::vector<rules::FieldRef> TablePage::SelectedFields() const {
    std::vector<rules::FieldRef> refs;
    if (!Built()) return refs;
    QModelIndexList selected = view_->selectionModel()->selectedIndexes();
    std::sort(selected.begin(), selected.end(), [](const QModelIndex& a, const QModelIndex& b) {
        return std::pair(a.row(), a.column()) < std::pair(b.row(), b.column());
    });
    for (const QModelIndex& index : selected) {
        const QModelIndex source = filter_->mapToSource(index);
        const rules::FieldRef ref = model_->RefAt(source.row(), source.column());
        if (ref.field >= 0) refs.push_back(ref);
    }
    return refs;
}

void TablePage::CopySelection() {
    if (!Built()) return;
    const QModelIndexList selected = view_->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return;
    // The bounding block of the selection, as spreadsheets copy it.
    int top = INT_MAX, bottom = -1, left = INT_MAX, right = -1;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    rules::CellRows rows;
    for (int r = top; r <= bottom; ++r) {
        std::vector<std::string>& cells = rows.emplace_back();
        for (int c = left; c <= right; ++c) {
            const QModelIndex index = filter_->index(r, c);
            cells.push_back(view_->selectionModel()->isSelected(index) ? index.data().toString().toStdString()
                                                                        : std::string());
        }
    }
    QApplication::clipboard()->setText(QString::fromStdString(rules::TabText(rows)));
}

void TablePage::PasteClipboard() { PasteText(QApplication::clipboard()->text()); }

bool TablePage::PasteText(const QString& text) {
    if (!Built() || text.isEmpty()) return false;
    const rules::CellRows rows = rules::ParseTabText(text.toStdString());
    if (rows.empty()) return false;
    QModelIndexList selected = view_->selectionModel()->selectedIndexes();
    if (selected.isEmpty() && view_->currentIndex().isValid()) selected << view_->currentIndex();
    if (selected.isEmpty()) return false;

    const rules::RulesDocument& document = editor_.Document();
    rules::EditPlan plan;
    if (rows.size() == 1 && rows[0].size() == 1 && selected.size() > 1) {
        // One value onto many cells fills each of them.
        std::vector<std::pair<int, int>> cells;
        for (const QModelIndex& index : selected) {
            const QModelIndex source = filter_->mapToSource(index);
            cells.emplace_back(source.row() + 1, source.column());
        }
        plan = rules::PlanFill(document, model_->Section(), cells, rows[0][0]);
    } else {
        int top = INT_MAX, left = INT_MAX;
        for (const QModelIndex& index : selected) {
            top = std::min(top, index.row());
            left = std::min(left, index.column());
        }
        // The rows from the corner down as shown (sorted, filtered), and the columns to its right.
        std::vector<int> records, columns;
        for (int r = top; r < filter_->rowCount(); ++r)
            records.push_back(filter_->mapToSource(filter_->index(r, 0)).row() + 1);
        for (int c = left; c < filter_->columnCount(); ++c) columns.push_back(c);
        plan = rules::PlanPaste(document, model_->Section(), records, columns, rows);
    }
    if (plan.Refused()) {
        Refuse(QStringLiteral("Paste"),
               QStringLiteral("Nothing was pasted. %1").arg(QString::fromStdString(plan.problem)));
        return false;
    }
    StorePlan(editor_, std::move(plan), "Paste", "cell");
    return true;
}

void TablePage::AdjustSelection() {
    std::vector<rules::FieldRef> cells;
    for (const rules::FieldRef& ref : SelectedFields())
        if (rules::KindOf(ref.section, ref.field) == rules::FieldKind::Number) cells.push_back(ref);
    if (cells.empty()) {
        ShowMessage(QStringLiteral("Select the numbers to adjust first."));
        return;
    }
    AdjustDialog dialog(editor_, std::move(cells), window());
    if (dialog.exec() == QDialog::Accepted) dialog.Apply();
}

void TablePage::ExportCsvClick() {
    if (!Built()) return;
    const QString fileName = QFileDialog::getSaveFileName(
        window(), QStringLiteral("Export CSV"), section_->currentText().toLower() + QStringLiteral(".csv"),
        QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (!fileName.isEmpty()) ExportCsv(fileName);
}

void TablePage::ImportCsvClick() {
    if (!Built()) return;
    const QString fileName = QFileDialog::getOpenFileName(
        window(), QStringLiteral("Import CSV"), QString(),
        QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (!fileName.isEmpty()) ImportCsv(fileName);
}

bool TablePage::ExportCsv(const QString& fileName) {
    if (!Built()) Build();
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(QByteArray::fromStdString(rules::CsvText(editor_.Document(), model_->Section()))) < 0 ||
        !file.flush()) {
        Refuse(QStringLiteral("Export CSV"),
               QStringLiteral("%1 could not be written: %2").arg(fileName, file.errorString()));
        return false;
    }
    return true;
}

bool TablePage::ImportCsv(const QString& fileName) {
    if (!Built()) Build();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Refuse(QStringLiteral("Import CSV"),
               QStringLiteral("%1 could not be read: %2").arg(fileName, file.errorString()));
        return false;
    }
    rules::EditPlan plan = rules::PlanCsvImport(editor_.Document(), model_->Section(), file.readAll().toStdString());
    if (plan.Refused()) {
        Refuse(QStringLiteral("Import CSV"),
               QStringLiteral("Nothing was imported. %1").arg(QString::fromStdString(plan.problem)));
        return false;
    }
    if (plan.edits.empty()) {
        ShowMessage(QStringLiteral("The file holds the same values as the table: nothing to import."));
        return true;
    }
    if (!ConfirmImport(window(), plan)) return false;
    StorePlan(editor_, std::move(plan), "Import", "field");
    return true;
}

void TablePage::SelectUnit(int unit) {
    if (model_->Section() != rules::SectionId::Units) return;
    const QModelIndex index = filter_->mapFromSource(model_->index(model_->RowOfRecord(unit), 0));
    if (!index.isValid()) {
        ShowMessage(QStringLiteral("That unit is hidden by the filter."));
        return;
    }
    view_->setCurrentIndex(index);
    view_->selectRow(index.row());
    view_->scrollTo(index);
}

}  // namespace ui
