// The Table page's commands: copy, paste, adjust, and CSV out and in. Each
// works out a plan over the section on show (rules::CellGrid), so the three
// designed sections and the others are served by the same code.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>
#include <climits>

#include "rules/document/rules_document.h"
#include "rules/edits/csv_exchange.h"
#include "rules/edits/table_plans.h"
#include "ui/edit/document_editor.h"
#include "ui/table/adjust_dialog.h"
#include "ui/table/plan_steps.h"
#include "ui/table/record_filter.h"
#include "ui/table/section_table_model.h"
#include "ui/table/table_page.h"

namespace ui {

std::unique_ptr<rules::CellGrid> TablePage::Grid() const {
    if (ShowingOther()) return std::make_unique<rules::SectionGrid>(editor_.Document(), otherSection_);
    return std::make_unique<rules::RecordGrid>(editor_.Document(), model_->Section());
}

std::vector<std::pair<int, int>> TablePage::SelectedSourceCells() const {
    std::vector<std::pair<int, int>> cells;
    if (!Built()) return cells;
    QModelIndexList selected = view_->selectionModel()->selectedIndexes();
    std::sort(selected.begin(), selected.end(), [](const QModelIndex& a, const QModelIndex& b) {
        return std::pair(a.row(), a.column()) < std::pair(b.row(), b.column());
    });
    for (const QModelIndex& index : selected) {
        const QModelIndex source = filter_->mapToSource(index);
        cells.emplace_back(source.row(), source.column());
    }
    return cells;
}

std::vector<rules::FieldRef> TablePage::SelectedFields() const {
    std::vector<rules::FieldRef> refs;
    if (ShowingOther()) return refs;
    for (const auto& [row, column] : SelectedSourceCells()) {
        const rules::FieldRef ref = model_->RefAt(row, column);
        if (ref.field >= 0) refs.push_back(ref);
    }
    return refs;
}

std::vector<rules::CellRef> TablePage::SelectedCells() const {
    std::vector<rules::CellRef> refs;
    if (!ShowingOther()) return refs;
    for (const auto& [row, column] : SelectedSourceCells()) refs.push_back(sectionModel_->RefAt(row, column));
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

    const std::unique_ptr<rules::CellGrid> grid = Grid();
    rules::EditPlan plan;
    if (rows.size() == 1 && rows[0].size() == 1 && selected.size() > 1) {
        // One value onto many cells fills each of them.
        std::vector<std::pair<int, int>> cells;
        for (const QModelIndex& index : selected) {
            const QModelIndex source = filter_->mapToSource(index);
            cells.emplace_back(source.row() + 1, source.column());
        }
        plan = rules::PlanFill(*grid, cells, rows[0][0]);
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
        plan = rules::PlanPaste(*grid, records, columns, rows);
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
    if (!Built()) return;
    std::unique_ptr<AdjustDialog> dialog;
    if (ShowingOther()) {
        std::vector<rules::CellRef> cells = SelectedCells();
        std::erase_if(cells, [this](const rules::CellRef& ref) {
            return !sectionModel_->IsNumberColumn(ref.column) || !sectionModel_->IsEditable(ref.row - 1, ref.column);
        });
        if (!cells.empty()) dialog = std::make_unique<AdjustDialog>(editor_, std::move(cells), window());
    } else {
        std::vector<rules::FieldRef> cells = SelectedFields();
        std::erase_if(cells, [](const rules::FieldRef& ref) {
            return rules::KindOf(ref.section, ref.field) != rules::FieldKind::Number;
        });
        if (!cells.empty()) dialog = std::make_unique<AdjustDialog>(editor_, std::move(cells), window());
    }
    if (!dialog) {
        ShowMessage(QStringLiteral("Select the numbers to adjust first."));
        return;
    }
    if (dialog->exec() == QDialog::Accepted) dialog->Apply();
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
        file.write(QByteArray::fromStdString(rules::CsvText(*Grid()))) < 0 ||
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
    rules::EditPlan plan = rules::PlanCsvImport(*Grid(), file.readAll().toStdString());
    if (plan.Refused()) {
        Refuse(QStringLiteral("Import CSV"),
               QStringLiteral("Nothing was imported. %1").arg(QString::fromStdString(plan.problem)));
        return false;
    }
    if (plan.EditCount() == 0) {
        ShowMessage(QStringLiteral("The file holds the same values as the table: nothing to import."));
        return true;
    }
    if (!ConfirmImport(window(), plan)) return false;
    StorePlan(editor_, std::move(plan), "Import", "field");
    return true;
}

}  // namespace ui
