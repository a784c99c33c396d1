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
#include "ui/codec/text_codec.h"
#include "ui/edit/document_editor.h"
#include "ui/table/balance_chart.h"
#include "ui/table/cell_delegate.h"
#include "ui/table/record_filter.h"
#include "ui/table/section_table_model.h"
#include "ui/widgets/key_help.h"
#include "ui/widgets/accessibility.h"

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

TablePage::TablePage(DocumentEditor& editor, QWidget* parent)
    : MadeWhenShown(parent), editor_(editor) {
    // Declared now, though the table is built on first entry, so that the
    // list of shortcuts has them from the start.
    DeclareKeys(this, QStringLiteral("Ctrl+C, Ctrl+V"),
                QStringLiteral("Copy, paste cells as a spreadsheet does (Table page)"));
    DeclareKeys(this, QStringLiteral("Ctrl+A"), QStringLiteral("Select every cell (Table page)"));
}

void TablePage::Enter() {
    EnsureBuilt();
    model_->Refresh();
    sectionModel_->Refresh();
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

    sectionModel_ = new SectionTableModel(editor_, this);

    section_ = new QComboBox(this);
    section_->setObjectName(QStringLiteral("TableSection"));
    FillChooser();
    filterText_ = new QLineEdit(this);
    filterText_->setObjectName(QStringLiteral("TableFilter"));
    NameForScreenReaders(filterText_, tr("Filter by name"));
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
    NameForScreenReaders(view_, tr("Records"));
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
        const int designed = section_->currentData(kDesignedRole).toInt();
        if (designed >= 0)
            ShowSection(static_cast<rules::SectionId>(designed));
        else
            ShowOtherSection(section_->currentData(kOtherRole).toInt());
    });
    connect(filterText_, &QLineEdit::textChanged, filter_, &RecordFilter::SetNameFilter);
    connect(onlyChanged_, &QCheckBox::toggled, filter_, &RecordFilter::SetOnlyChanged);
    connect(showChart_, &QToolButton::toggled, chart_, &QWidget::setVisible);
    connect(adjust, &QToolButton::clicked, this, &TablePage::AdjustSelection);
    connect(exportCsv, &QToolButton::clicked, this, &TablePage::ExportCsvClick);
    connect(importCsv, &QToolButton::clicked, this, &TablePage::ImportCsvClick);
    connect(model_, &RecordTableModel::EditRefused, this, &TablePage::ShowMessage);
    connect(sectionModel_, &SectionTableModel::EditRefused, this, &TablePage::ShowMessage);
    // Another file, or another version of it, may hold other sections.
    connect(&editor_, &DocumentEditor::Loaded, this, &TablePage::FillChooser);
    connect(&editor_, &DocumentEditor::Replaced, this, &TablePage::FillChooser);
    connect(chart_, &BalanceChart::UnitClicked, this, &TablePage::SelectUnit);
    // A save, a close, a page switch or a comparison first takes the text
    // of a cell still being typed, as a step of its own.
    connect(&editor_, &DocumentEditor::CommitRequested, this, &TablePage::CommitOpenCell);
    // Each step clears the last refusal: it is about a cell that is gone.
    connect(&editor_, &DocumentEditor::FieldsChanged, message_, &QWidget::hide);
    connect(&editor_, &DocumentEditor::CellsChanged, message_, &QWidget::hide);

    ShowSection(rules::SectionId::Units);
}

void TablePage::FillChooser() {
    const QString shown = ShowingOther() ? section_->currentText() : QString();
    const QSignalBlocker blocker(section_);
    section_->clear();
    section_->addItem(QStringLiteral("Units"), static_cast<int>(rules::SectionId::Units));
    section_->addItem(QStringLiteral("Advances"), static_cast<int>(rules::SectionId::Advances));
    section_->addItem(QStringLiteral("Cosmic"), static_cast<int>(rules::SectionId::Cosmic));
    // The other sections by their names, in the file's order.
    const rules::OtherSections& others = editor_.Document().Others();
    for (int k = 0; k < others.Count(); ++k) {
        section_->addItem(ToDisplay(others.At(k).Name()), -1);
        section_->setItemData(section_->count() - 1, k, kOtherRole);
    }
    if (!ShowingOther()) {
        section_->setCurrentIndex(section_->findData(static_cast<int>(model_->Section())));
        return;
    }
    // The section shown stays on show where the document still has one of
    // its name; otherwise the table goes back to the units.
    const int again = section_->findText(shown);
    if (again >= 3)
        ShowOtherSection(section_->itemData(again, kOtherRole).toInt());
    else
        ShowSection(rules::SectionId::Units);
}

void TablePage::ShowView(QAbstractItemModel* source) {
    if (filter_->sourceModel() != source) filter_->setSourceModel(source);
    view_->sortByColumn(-1, Qt::AscendingOrder);
    view_->horizontalHeader()->setSortIndicatorShown(true);
    view_->resizeColumnsToContents();
    // Another section starts at its first row and its names.
    view_->scrollToTop();
    view_->horizontalScrollBar()->setValue(0);
}

void TablePage::ShowSection(rules::SectionId section) {
    EnsureBuilt();
    {
        const QSignalBlocker blocker(section_);
        section_->setCurrentIndex(section_->findData(static_cast<int>(section)));
    }
    otherSection_ = -1;
    model_->SetSection(section);
    ShowView(model_);
    // The chart plots units; the other sections have no pair of numbers
    // worth plotting.
    const bool units = section == rules::SectionId::Units;
    showChart_->setEnabled(units);
    chart_->setVisible(units && showChart_->isChecked());
}

void TablePage::ShowOtherSection(int index) {
    EnsureBuilt();
    if (index < 0 || index >= editor_.Document().Others().Count()) return;
    {
        const QSignalBlocker blocker(section_);
        section_->setCurrentIndex(section_->findData(index, kOtherRole));
    }
    otherSection_ = index;
    sectionModel_->SetSection(index);
    ShowView(sectionModel_);
    showChart_->setEnabled(false);
    chart_->setVisible(false);
}

void TablePage::ShowField(const rules::FieldRef& ref) {
    EnsureBuilt();
    if (ShowingOther() || ref.section != model_->Section()) ShowSection(ref.section);
    const int column = model_->ColumnOfField(ref.field);
    SetCurrent(model_->index(model_->RowOfRecord(ref.record), std::max(column, 0)));
}

void TablePage::ShowCell(const rules::CellRef& ref) {
    EnsureBuilt();
    if (ref.section != otherSection_) ShowOtherSection(ref.section);
    if (ref.section != otherSection_) return;
    SetCurrent(sectionModel_->index(ref.row - 1, std::max(ref.column, 0)));
}

void TablePage::SetCurrent(const QModelIndex& source) {
    const QModelIndex index = filter_->mapFromSource(source);
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

void TablePage::SelectUnit(int unit) {
    if (ShowingOther() || model_->Section() != rules::SectionId::Units) return;
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
