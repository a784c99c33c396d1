#include "ui/table/record_table_model.h"

#include <QCoreApplication>
#include <QBrush>
#include <QColor>
#include <QFont>

#include "rules/document/field_values.h"
#include "rules/document/rules_document.h"
#include "rules/edits/table_cells.h"
#include "ui/edit/document_editor.h"
#include "ui/codec/text_codec.h"

namespace ui {

namespace {

using rules::SectionId;

const QColor kChangedTint(255, 244, 200);

}  // namespace

RecordTableModel::RecordTableModel(DocumentEditor& editor, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor) {
    connect(&editor_, &DocumentEditor::FieldsChanged, this, &RecordTableModel::FieldsChanged);
    // A file read, a document replaced (its record count may differ) or a
    // save (the texts on disk changed) shows every row anew.
    for (auto whole : {&DocumentEditor::Loaded, &DocumentEditor::Replaced, &DocumentEditor::Saved})
        connect(&editor_, whole, this, &RecordTableModel::Refresh);
    SetSection(SectionId::Units);
}

void RecordTableModel::SetSection(SectionId section) {
    beginResetModel();
    section_ = section;
    figures_.reset();
    EndReset();
}

void RecordTableModel::EndReset() {
    endResetModel();
    shownRows_ = rowCount();
}

const rules::TableColumn& RecordTableModel::ColumnAt(int column) const {
    return rules::TableColumns(section_).at(static_cast<std::size_t>(column));
}

int RecordTableModel::FieldOfColumn(int column) const {
    if (column < 0 || column >= columnCount()) return -1;
    return ColumnAt(column).field;
}

int RecordTableModel::ColumnOfField(int field) const { return rules::ColumnOfField(section_, field); }

rules::FieldRef RecordTableModel::RefAt(int row, int column) const {
    return {section_, row + 1, FieldOfColumn(column)};
}

bool RecordTableModel::IsEditable(int row, int column) const {
    const rules::FieldRef ref = RefAt(row, column);
    return ref.field >= 0 && rules::IsWritable(editor_.Document(), ref);
}

void RecordTableModel::SetDiskTextSource(DiskTextSource source) {
    diskText_ = std::move(source);
    Refresh();
}

bool RecordTableModel::IsChanged(const rules::FieldRef& ref) const {
    if (!diskText_ || ref.field < 0 || !rules::IsValidField(editor_.Document(), ref)) return false;
    const std::optional<std::string> disk = diskText_(ref);
    return disk && *disk != rules::FieldText(editor_.Document(), ref);
}

bool RecordTableModel::RecordChanged(int row) const {
    for (int field = 0; field < rules::FieldCount(section_); ++field)
        if (IsChanged({section_, row + 1, field})) return true;
    return false;
}

void RecordTableModel::Refresh() {
    figures_.reset();
    // The same records keep their rows, so the selection and the order stay.
    if (rowCount() == shownRows_ && rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return;
    }
    beginResetModel();
    EndReset();
}

void RecordTableModel::FieldsChanged(SectionId section, const QList<int>& records) {
    figures_.reset();
    if (rowCount() == 0) return;
    // Units show advances by name, advances count units, and the computed
    // columns follow prerequisites across rows: an edit elsewhere may change
    // any row. Within the section only the edited rows change their fields.
    if (section != section_ || section_ != SectionId::Cosmic) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return;
    }
    for (int record : records) {
        const int row = RowOfRecord(record);
        if (row >= 0 && row < rowCount()) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

const rules::RecordFigures& RecordTableModel::Figures() const {
    if (!figures_) {
        const rules::RulesDocument& document = editor_.Document();
        figures_ = rules::RecordFigures::Compute(document.Advances(), document.Units());
    }
    return *figures_;
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    const rules::RulesDocument& document = editor_.Document();
    // Before a file was read there is nothing to show, not even the cosmic
    // values' default texts.
    if (!document.Parsed()) return 0;
    return rules::RecordCount(document, section_);
}

int RecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rules::TableColumns(section_).size());
}

bool RecordTableModel::IsNumberColumn(int column) const {
    const rules::TableColumn& shown = ColumnAt(column);
    using rules::ComputedColumn;
    switch (shown.computed) {
        case ComputedColumn::None: return rules::KindOf(section_, shown.field) == rules::FieldKind::Number;
        case ComputedColumn::UnitAdvancesNeeded:
        case ComputedColumn::AdvancesNeeded:
        case ComputedColumn::Opens:
        case ComputedColumn::UnitsBrought: return true;
        default: return false;
    }
}

QString RecordTableModel::CellText(int row, int column) const {
    return ToDisplay(rules::TableCellText(editor_.Document(), Figures(), section_, column, row + 1));
}

QVariant RecordTableModel::SortKey(int row, int column) const {
    const int field = ColumnAt(column).field;
    if (field < 0) {
        const rules::ComputedCell cell =
            rules::ComputeCell(editor_.Document(), Figures(), ColumnAt(column).computed, row + 1);
        if (cell.order) return qlonglong(*cell.order);
        return ToDisplay(cell.text).toLower();
    }
    const rules::FieldRef ref = RefAt(row, column);
    const std::string& text = rules::FieldText(editor_.Document(), ref);
    switch (rules::KindOf(section_, field)) {
        case rules::FieldKind::Number:
        case rules::FieldKind::Choice:
            // A text that is no number sorts after the numbers.
            if (auto value = rules::PlainWholeNumber(text, true)) return qlonglong(*value);
            return ToDisplay(text).toLower();
        default: return CellText(row, column).toLower();
    }
}

QString RecordTableModel::ToolTip(int row, int column) const {
    const rules::FieldRef ref = RefAt(row, column);
    QStringList lines;
    if (ref.field >= 0 && rules::KindOf(section_, ref.field) == rules::FieldKind::Flags) {
        const std::string& flags = rules::FieldText(editor_.Document(), ref);
        for (int k = 1; k <= rules::kFlagCount; ++k)
            if (rules::FlagIsSet(flags, k))
                lines << QString::fromLatin1(rules::FlagCaption(k)).trimmed();
        if (lines.isEmpty()) lines << QStringLiteral("No flag set");
    }
    if (IsChanged(ref)) {
        const std::string disk = diskText_(ref).value_or(std::string());
        lines << QStringLiteral("On disk: \"%1\"").arg(ToDisplay(disk));
    }
    return lines.join(QLatin1Char('\n'));
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return CellText(row, column);
        case kSortRole: return SortKey(row, column);
        case kFieldRole: return FieldOfColumn(column);
        case kRowChangedRole: return RecordChanged(row);
        case kRecordRole: return RefAt(row, column).record;
        case Qt::ToolTipRole: {
            const QString tip = ToolTip(row, column);
            return tip.isEmpty() ? QVariant() : QVariant(tip);
        }
        case Qt::FontRole:
            if (IsChanged(RefAt(row, column))) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::BackgroundRole:
            if (IsChanged(RefAt(row, column))) return QBrush(kChangedTint);
            return {};
        case Qt::TextAlignmentRole: {
            const bool number = IsNumberColumn(column);
            return QVariant::fromValue(Qt::AlignVCenter |
                                       (number ? Qt::AlignRight : Qt::AlignLeft));
        }
        default: return {};
    }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        // The headings are the declaration's literals, marked for translation there.
        return section >= 0 && section < columnCount()
                   ? QCoreApplication::translate("rules::Column", ColumnAt(section).heading.data())
                   : QString();
    return section + 1;
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (IsEditable(index.row(), index.column())) flags |= Qt::ItemIsEditable;
    return flags;
}

bool RecordTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !IsEditable(index.row(), index.column()))
        return false;
    const rules::FieldRef ref = RefAt(index.row(), index.column());
    const rules::CellValue cell = rules::ReadCell(editor_.Document(), ref, value.toString().toStdString());
    if (!cell.problem.empty()) {
        emit EditRefused(QString::fromStdString(cell.problem));
        return false;
    }
    // The editor announces the change; FieldsChanged tells the views.
    editor_.SetField(ref, cell.stored);
    return true;
}

}  // namespace ui
