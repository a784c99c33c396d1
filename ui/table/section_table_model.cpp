#include "ui/table/section_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPalette>

#include "rules/document/field_values.h"
#include "rules/document/rules_document.h"
#include "rules/edits/table_cells.h"
#include "rules/sections/section_cells.h"
#include "ui/codec/text_codec.h"
#include "ui/edit/document_editor.h"
#include "ui/table/record_table_model.h"

namespace ui {

namespace {
const QColor kChangedTint(255, 244, 200);
}

SectionTableModel::SectionTableModel(DocumentEditor& editor, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor) {
    connect(&editor_, &DocumentEditor::CellsChanged, this, &SectionTableModel::CellsChanged);
    for (auto whole : {&DocumentEditor::Loaded, &DocumentEditor::Replaced, &DocumentEditor::Saved})
        connect(&editor_, whole, this, &SectionTableModel::Refresh);
}

bool SectionTableModel::Shown() const {
    const rules::RulesDocument& document = editor_.Document();
    return document.Parsed() && section_ >= 0 && section_ < document.Others().Count();
}

void SectionTableModel::SetSection(int section) { Reset(section); }

void SectionTableModel::Reset(int section) {
    beginResetModel();
    section_ = section;
    numbers_.clear();
    endResetModel();
    shownRows_ = rowCount();
    shownColumns_ = columnCount();
}

void SectionTableModel::Refresh() {
    // Another document may hold other rows, or the section no more.
    const int section = Shown() ? section_ : -1;
    numbers_.clear();
    // The same rows keep their places, so the selection and the order stay.
    if (section >= 0 && rowCount() > 0 && rowCount() == shownRows_ && columnCount() == shownColumns_) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return;
    }
    Reset(section);
}

void SectionTableModel::CellsChanged(int section, const QList<int>& rows) {
    if (section != section_ || rowCount() == 0) return;
    numbers_.clear();
    for (int row : rows)
        if (row >= 1 && row <= rowCount()) emit dataChanged(index(row - 1, 0), index(row - 1, columnCount() - 1));
}

int SectionTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !Shown()) return 0;
    return editor_.Document().Others().At(section_).RowCount();
}

int SectionTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || !Shown()) return 0;
    return editor_.Document().Others().At(section_).ColumnCount();
}

bool SectionTableModel::IsEditable(int row, int column) const {
    return Shown() && rules::IsValidCell(editor_.Document(), RefAt(row, column));
}

bool SectionTableModel::IsChanged(int row, int column) const {
    if (!IsEditable(row, column)) return false;
    return editor_.Document().Others().At(section_).Changed(row + 1, column);
}

bool SectionTableModel::RowChanged(int row) const {
    return Shown() && row >= 0 && row < rowCount() && editor_.Document().Others().At(section_).RowChanged(row + 1);
}

bool SectionTableModel::IsNumberColumn(int column) const {
    if (!Shown() || column < 0 || column >= columnCount()) return false;
    if (numbers_.size() != static_cast<std::size_t>(columnCount())) numbers_.assign(static_cast<std::size_t>(columnCount()), -1);
    signed char& known = numbers_[static_cast<std::size_t>(column)];
    if (known < 0) known = editor_.Document().Others().At(section_).WholeNumberColumn(column) ? 1 : 0;
    return known == 1;
}

QVariant SectionTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const int row = index.row();
    const int column = index.column();
    const rules::SectionTable& section = editor_.Document().Others().At(section_);
    const bool exists = section.HasCell(row + 1, column);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return ToDisplay(section.Cell(row + 1, column));
        case RecordTableModel::kSortRole: {
            const std::string& text = section.Cell(row + 1, column);
            if (IsNumberColumn(column))
                if (const auto value = rules::PlainWholeNumber(text, true)) return qlonglong(*value);
            return ToDisplay(text).toLower();
        }
        case RecordTableModel::kRowChangedRole: return RowChanged(row);
        case Qt::ToolTipRole:
            if (!exists) return tr("This row's line holds fewer values: there is nothing here to set.");
            if (IsChanged(row, column))
                return tr("On disk: \"%1\"").arg(ToDisplay(section.SavedCell(row + 1, column)));
            return {};
        case Qt::FontRole:
            if (IsChanged(row, column)) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::BackgroundRole:
            if (!exists) return QPalette().brush(QPalette::Disabled, QPalette::Window);
            if (IsChanged(row, column)) return QBrush(kChangedTint);
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignVCenter | (IsNumberColumn(column) ? Qt::AlignRight : Qt::AlignLeft));
        default: return {};
    }
}

QVariant SectionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= columnCount()) return {};
    return ToDisplay(editor_.Document().Others().At(section_).Headings().at(static_cast<std::size_t>(section)));
}

Qt::ItemFlags SectionTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (IsEditable(index.row(), index.column())) flags |= Qt::ItemIsEditable;
    return flags;
}

bool SectionTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !IsEditable(index.row(), index.column())) return false;
    const rules::CellRef ref = RefAt(index.row(), index.column());
    const rules::CellValue cell = rules::ReadSectionCell(editor_.Document(), ref, value.toString().toStdString());
    if (!cell.problem.empty()) {
        emit EditRefused(QString::fromStdString(cell.problem));
        return false;
    }
    // The editor announces the change; CellsChanged tells the views.
    editor_.SetCell(ref, cell.stored);
    return true;
}

}  // namespace ui
