#include "ui/dialogs/merge_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"
#include "rules/sections/section_cells.h"
#include "ui/codec/text_codec.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/edit/document_editor.h"
#include "ui/edit/undo_keys.h"
#include "ui/window_placement.h"

namespace ui {

namespace {

enum Column { kWhat, kBase, kOurs, kTheirs };
constexpr int kConflictRole = Qt::UserRole;

QString Side(const std::optional<std::string>& text) {
    return text ? ToDisplay(*text) : QStringLiteral("(none)");
}

// Reads a rules file of any language; the error names it. Empty, with no
// error, when the user chose not to use a file that is no rules file.
std::unique_ptr<rules::RulesDocument> Read(const QString& fileName, rules::Language language,
                                           bool base, QWidget* parent, QString& error) {
    auto document = std::make_unique<rules::RulesDocument>();
    const rules::Status read = document->Load(QFile::encodeName(fileName).toStdString(), language);
    if (!read) {
        error = QObject::tr("%1 cannot be merged: %2")
                    .arg(QDir::toNativeSeparators(fileName), QString::fromStdString(read.message));
        return nullptr;
    }
    document->Parse();
    // Merged from, any other file would empty the tables; an empty base is
    // what two files added apart have in common, and merges.
    if (!document->HoldsRules() && !(base && QFileInfo(fileName).size() == 0) &&
        !ConfirmNotARulesFile(parent, QDir::toNativeSeparators(fileName)))
        return nullptr;
    return document;
}

QString AskForFile(QWidget* parent, const QString& title, const QString& folder) {
    QFileDialog chooser(parent, title, folder, QObject::tr("Rules files (*.txt *.fre *.ger);;All files (*)"));
    chooser.setObjectName(QStringLiteral("MergeFileDialog"));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setFileMode(QFileDialog::ExistingFile);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return {};
    return chooser.selectedFiles().first();
}

}  // namespace

MergeDialog* MergeDialog::Run(DocumentEditor& editor, QWidget* parent) {
    const QString folder =
        QFileInfo(QString::fromStdString(editor.Document().TargetFileName())).absolutePath();
    const QString base = AskForFile(parent, tr("Merge: the base both files were made from"), folder);
    if (base.isEmpty()) return nullptr;
    const QString theirs =
        AskForFile(parent, tr("Merge: their file, whose changes come in"), QFileInfo(base).absolutePath());
    if (theirs.isEmpty()) return nullptr;
    MergeDialog* dialog = Merge(editor, base, theirs, parent);
    if (dialog) {
        dialog->show();
        dialog->activateWindow();
    }
    return dialog;
}

MergeDialog* MergeDialog::Merge(DocumentEditor& editor, const QString& baseFile,
                                const QString& theirFile, QWidget* parent) {
    QString error;
    const rules::Language language = editor.Document().GetLanguage();
    const auto base = Read(baseFile, language, true, parent, error);
    const auto theirs = base ? Read(theirFile, language, false, parent, error) : nullptr;
    if (!theirs) {
        if (!error.isEmpty()) ShowErrorBox(parent, error);
        return nullptr;
    }
    rules::MergePlan plan = rules::PlanMerge(*base, editor.Document(), *theirs);
    const QString summary = QString::fromStdString(rules::MergeSummary(plan));
    const QString step = tr("Merge %1").arg(QFileInfo(theirFile).fileName());
    if (plan.lines.empty()) {
        std::vector<FieldEdit> edits;
        for (const rules::MergeFieldEdit& field : plan.fields) edits.push_back({field.ref, field.text});
        std::vector<rules::CellEdit> cells;
        for (const rules::MergeCellEdit& cell : plan.cells) cells.push_back({cell.ref, cell.text});
        editor.SetEdits(std::move(edits), std::move(cells), step);
    } else if (plan.Changes() > 0) {
        // Lines outside the records change too: the merged file becomes the
        // document, still as one step.
        rules::RulesDocument merged = editor.Document();
        const std::string bytes = rules::ApplyMerge(merged, plan);
        editor.ReplaceDocument(editor.Document().ReadContent(bytes), step);
    }
    if (plan.Clean()) {
        ShowInformationBox(parent, summary);
        return nullptr;
    }
    return new MergeDialog(editor, std::move(plan.conflicts), summary, parent);
}

MergeDialog::MergeDialog(DocumentEditor& editor, std::vector<rules::MergeConflict> conflicts,
                         const QString& summary, QWidget* parent)
    : QDialog(parent), editor_(editor), conflicts_(std::move(conflicts)) {
    setObjectName(QStringLiteral("MergeDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Merge: what both changed"));
    setFont(QApplication::font(this));
    resize(640, 420);

    summary_ = new QLabel(summary + QLatin1Char(' ') +
                              tr("Below, what both sides changed differently: ours stays unless "
                                 "you take theirs. Nothing is written until Save Changes."),
                          this);
    summary_->setWordWrap(true);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("MergeConflicts"));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setHeaderLabels({tr("Conflict"), tr("Base"), tr("Ours"), tr("Theirs")});
    list_->header()->setSectionResizeMode(kWhat, QHeaderView::Stretch);
    take_ = new QPushButton(tr("&Take theirs"), this);
    take_->setObjectName(QStringLiteral("MergeTakeTheirs"));
    take_->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(take_, QDialogButtonBox::ActionRole);
    for (QAbstractButton* button : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);
    auto* column = new QVBoxLayout(this);
    column->addWidget(summary_);
    column->addWidget(list_, 1);
    column->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(take_, &QPushButton::clicked, this, &MergeDialog::TakeSelected);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
        bool takeable = false;
        for (QTreeWidgetItem* item : list_->selectedItems())
            takeable = takeable || (item->flags() & Qt::ItemIsEnabled);
        take_->setEnabled(takeable);
    });
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const auto& conflict = conflicts_[static_cast<std::size_t>(item->data(kWhat, kConflictRole).toInt())];
        if (conflict.cell.section >= 0)
            emit CellActivated(conflict.cell);
        else if (conflict.kind != rules::MergeConflict::Kind::Lines && conflict.ref.record > 0)
            emit RecordActivated(conflict.ref.section, conflict.ref.record);
    });
    // The list follows the tables: a take, an undo, an edit elsewhere.
    connect(&editor_, &DocumentEditor::FieldsChanged, this, &MergeDialog::Refresh);
    connect(&editor_, &DocumentEditor::CellsChanged, this, &MergeDialog::Refresh);
    connect(&editor_, &DocumentEditor::Replaced, this, &MergeDialog::Refresh);
    Refresh();
    list_->setFocus();
    // Beside the window, so a record shown on its page stays in sight.
    if (parent) PlaceBesideWindow(this, parent->window());
    undoKeys_ = new UndoKeys(this, editor);
}

MergeDialog::~MergeDialog() { delete undoKeys_.data(); }

void MergeDialog::Refresh() {
    list_->clear();
    const rules::RulesDocument& now = editor_.Document();
    for (std::size_t k = 0; k < conflicts_.size(); ++k) {
        const rules::MergeConflict& conflict = conflicts_[k];
        const bool cell = !conflict.otherSection.empty();
        const bool field = conflict.kind == rules::MergeConflict::Kind::Field && conflict.theirs &&
                           (cell ? rules::IsValidCell(now, conflict.cell) : rules::IsValidField(now, conflict.ref));
        if (field && (cell ? rules::CellText(now, conflict.cell) : rules::FieldText(now, conflict.ref)) ==
                         *conflict.theirs)
            continue;  // taken
        auto* item = new QTreeWidgetItem(list_);
        QString what;
        switch (conflict.kind) {
            case rules::MergeConflict::Kind::Field:
                what = QString::fromStdString(conflict.label) + QStringLiteral(": ") +
                       (cell ? QStringLiteral("column \"%1\"").arg(ToDisplay(conflict.column))
                             : QString::fromLatin1(rules::FieldLabel(conflict.ref.section, conflict.ref.field)));
                break;
            case rules::MergeConflict::Kind::Record:
                what = QString::fromStdString(conflict.label + ": " + conflict.what);
                break;
            case rules::MergeConflict::Kind::Lines:
                what = QString::fromStdString(rules::ConflictText(conflict));
                break;
        }
        item->setText(kWhat, what);
        item->setText(kBase, Side(conflict.base));
        item->setText(kOurs, Side(conflict.ours));
        item->setText(kTheirs, Side(conflict.theirs));
        item->setData(kWhat, kConflictRole, static_cast<int>(k));
        item->setToolTip(kWhat, item->text(kWhat));
        // Whole records and lines are the user's to mend on their page.
        if (!field) item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    }
    // The keyboard can take at once: the first open conflict is selected.
    if (QTreeWidgetItem* first = list_->topLevelItem(0)) {
        list_->setCurrentItem(first);
        first->setSelected(first->flags() & Qt::ItemIsEnabled);
    }
    take_->setEnabled(list_->currentItem() && (list_->currentItem()->flags() & Qt::ItemIsEnabled));
}

void MergeDialog::TakeSelected() {
    std::vector<FieldEdit> edits;
    std::vector<rules::CellEdit> cells;
    for (QTreeWidgetItem* item : list_->selectedItems()) {
        const auto& conflict = conflicts_[static_cast<std::size_t>(item->data(kWhat, kConflictRole).toInt())];
        if (!(item->flags() & Qt::ItemIsEnabled) || !conflict.theirs) continue;
        if (!conflict.otherSection.empty())
            cells.push_back({conflict.cell, *conflict.theirs});
        else
            edits.push_back({conflict.ref, *conflict.theirs});
    }
    editor_.SetEdits(std::move(edits), std::move(cells), tr("Take Theirs"));
}

}  // namespace ui
