#include "ui/table/record_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "rules/document/field_values.h"
#include "rules/document/rules_document.h"
#include "ui/edit/document_editor.h"
#include "ui/codec/text_codec.h"

namespace ui {

namespace {

using rules::AdvanceField;
using rules::SectionId;
using rules::UnitField;

// The computed and descriptive columns.
enum Computed : int {
    kAvailable = -1,
    kUnitAdvancesNeeded = -2,
    kRetiredBy = -3,
    kAdvancesNeeded = -4,
    kOpens = -5,
    kUnitsBrought = -6,
    kCosmicName = -7,
    kCosmicDescription = -8,
};

const QColor kChangedTint(255, 244, 200);

int F(UnitField f) { return static_cast<int>(f); }
int F(AdvanceField f) { return static_cast<int>(f); }

QString EpochText(int epoch) {
    if (epoch == rules::UnitFigures::kStart) return QStringLiteral("start");
    if (epoch == rules::UnitFigures::kNone) return {};
    if (epoch == rules::UnitFigures::kUnknown) return QStringLiteral("unknown");
    return QString::fromLatin1(rules::EpochName(epoch));
}

}  // namespace

QString CellDisplayText(const rules::RulesDocument& document, const rules::FieldRef& ref) {
    return ToDisplay(rules::DisplayText(document, ref));
}

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
    columns_.clear();
    const auto add = [this](const char* heading, int field) {
        columns_.append({QString::fromLatin1(heading), field});
    };
    switch (section) {
        case SectionId::Units:
            add("Name", F(UnitField::Name));
            add("Obsolete by", F(UnitField::ObsoleteBy));
            add("Domain", F(UnitField::Domain));
            add("Moves", F(UnitField::Moves));
            add("Rounds", F(UnitField::Rounds));
            add("Attack", F(UnitField::Attack));
            add("Defense", F(UnitField::Defense));
            add("Hit points", F(UnitField::HitPoints));
            add("Firepower", F(UnitField::Firepower));
            add("Cost", F(UnitField::Cost));
            add("Hold", F(UnitField::Hold));
            add("Role", F(UnitField::Role));
            add("Prerequisite", F(UnitField::Prereq));
            add("Flags", F(UnitField::Flags));
            add("Available", kAvailable);
            add("Advances needed", kUnitAdvancesNeeded);
            add("Retired by", kRetiredBy);
            break;
        case SectionId::Advances:
            add("Name", F(AdvanceField::Name));
            add("Abbreviation", F(AdvanceField::Abbrev));
            add("AI value", F(AdvanceField::AiValue));
            add("Modifier", F(AdvanceField::Modifier));
            add("Prerequisite 1", F(AdvanceField::Prereq1));
            add("Prerequisite 2", F(AdvanceField::Prereq2));
            add("Epoch", F(AdvanceField::Epoch));
            add("Category", F(AdvanceField::Category));
            add("Advances needed", kAdvancesNeeded);
            add("Opens", kOpens);
            add("Units", kUnitsBrought);
            break;
        case SectionId::Cosmic:
            add("Name", kCosmicName);
            add("Value", 0);
            add("Description", kCosmicDescription);
            break;
    }
    figures_.reset();
    EndReset();
}

void RecordTableModel::EndReset() {
    endResetModel();
    shownRows_ = rowCount();
}

int RecordTableModel::FieldOfColumn(int column) const {
    if (column < 0 || column >= columns_.size()) return -1;
    return std::max(columns_[column].field, -1);
}

int RecordTableModel::ColumnOfField(int field) const {
    for (int c = 0; c < columns_.size(); ++c)
        if (columns_[c].field == field) return c;
    return -1;
}

rules::FieldRef RecordTableModel::RefAt(int row, int column) const {
    return {section_, row + 1, FieldOfColumn(column)};
}

bool RecordTableModel::IsEditable(int row, int column) const {
    const rules::FieldRef ref = RefAt(row, column);
    if (ref.field < 0 || !rules::IsValidField(editor_.Document(), ref)) return false;
    // A cosmic value the file has no line for is never written.
    return section_ != SectionId::Cosmic || editor_.Document().Cosmic().LineOf(row) >= 0;
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
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant RecordTableModel::ComputedValue(int record, int computed, bool sortKey) const {
    const rules::RecordFigures& figures = Figures();
    const auto at = [](const auto& list, int number) -> const auto& {
        return list[static_cast<std::size_t>(number - 1)];
    };
    switch (computed) {
        case kAvailable: {
            const rules::UnitFigures& f = at(figures.units, record);
            if (f.neverAvailable) return sortKey ? QVariant(100) : QVariant(QStringLiteral("never"));
            return sortKey ? QVariant(f.availableEpoch) : QVariant(EpochText(f.availableEpoch));
        }
        case kUnitAdvancesNeeded: return at(figures.units, record).advancesNeeded;
        case kRetiredBy: {
            const int epoch = at(figures.units, record).retiredEpoch;
            // Never retired sorts after every epoch.
            if (sortKey) return epoch == rules::UnitFigures::kNone ? 100 : epoch;
            return EpochText(epoch);
        }
        case kAdvancesNeeded: return at(figures.advances, record).advancesNeeded;
        case kOpens: return at(figures.advances, record).opens;
        case kUnitsBrought: return at(figures.advances, record).units;
        case kCosmicName:
            return QString::fromLatin1(rules::CosmicNames()[static_cast<std::size_t>(record - 1)]);
        case kCosmicDescription:
            return ToDisplay(rules::CosmicComments(rules::Language::English)[static_cast<std::size_t>(
                record - 1)]);
        default: return {};
    }
}

QString RecordTableModel::CellText(int row, int column) const {
    const int field = columns_[column].field;
    if (field < 0) return ComputedValue(row + 1, field, false).toString();
    // A cosmic value the file has no line for holds nothing of the file's.
    if (section_ == SectionId::Cosmic && editor_.Document().Cosmic().LineOf(row) < 0) return {};
    return CellDisplayText(editor_.Document(), RefAt(row, column));
}

QVariant RecordTableModel::SortKey(int row, int column) const {
    const int field = columns_[column].field;
    if (field < 0) {
        const QVariant value = ComputedValue(row + 1, field, true);
        if (value.typeId() == QMetaType::QString) return value.toString().toLower();
        return value.toLongLong();
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
            const int field = columns_[column].field;
            const bool number = field < 0 ? field != kCosmicName && field != kCosmicDescription &&
                                                field != kAvailable && field != kRetiredBy
                                          : rules::KindOf(section_, field) == rules::FieldKind::Number;
            return QVariant::fromValue(Qt::AlignVCenter |
                                       (number ? Qt::AlignRight : Qt::AlignLeft));
        }
        default: return {};
    }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < columns_.size() ? columns_[section].heading : QString();
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
    const QString text = value.toString();
    const std::optional<std::string> bytes = FromDisplay(text);
    if (!bytes) {
        emit EditRefused(QStringLiteral("The text holds a character that the rules file cannot "
                                        "store (it is written in the Windows-1252 character set)."));
        return false;
    }
    const rules::ParsedValue parsed = rules::ParseDisplayText(editor_.Document(), ref, *bytes);
    if (!parsed.problem.empty()) {
        emit EditRefused(ToDisplay(parsed.problem));
        return false;
    }
    // The editor announces the change; FieldsChanged tells the views.
    editor_.SetField(ref, parsed.stored);
    return true;
}

}  // namespace ui
