#include "rules/edits/table_cells.h"

#include "rules/document/cp1252.h"
#include "rules/document/field_values.h"
#include "rules/document/rules_document.h"
#include "rules/sections/section_cells.h"

namespace rules {

namespace {

constexpr const char* kNotCp1252 =
    "This text holds a character that the rules file (Windows-1252) cannot hold.";

constexpr int F(UnitField f) { return static_cast<int>(f); }
constexpr int F(AdvanceField f) { return static_cast<int>(f); }

// A field's column: its heading is the field table's.
TableColumn Field(SectionId section, int field) { return {InfoOf(section, field).heading, field}; }
TableColumn Field(AdvanceField f) { return Field(SectionId::Advances, F(f)); }
TableColumn Computed(std::string_view heading, ComputedColumn computed) {
    return {heading, -1, computed};
}

// The fields stand in the order of their line, but for an advance's
// abbreviation, which goes beside its name.
std::vector<TableColumn> UnitColumns() {
    std::vector<TableColumn> columns;
    for (int f = 0; f < F(UnitField::Count); ++f) columns.push_back(Field(SectionId::Units, f));
    columns.insert(columns.end(), {Computed("Available", ComputedColumn::Available),
                                   Computed("Advances needed", ComputedColumn::UnitAdvancesNeeded),
                                   Computed("Retired by", ComputedColumn::RetiredBy)});
    return columns;
}

std::vector<TableColumn> AdvanceColumns() {
    std::vector<TableColumn> columns = {Field(AdvanceField::Name), Field(AdvanceField::Abbrev)};
    for (int f = F(AdvanceField::Name) + 1; f < F(AdvanceField::Abbrev); ++f)
        columns.push_back(Field(SectionId::Advances, f));
    columns.insert(columns.end(), {Computed("Advances needed", ComputedColumn::AdvancesNeeded),
                                   Computed("Opens", ComputedColumn::Opens),
                                   Computed("Units", ComputedColumn::UnitsBrought)});
    return columns;
}

std::vector<TableColumn> CosmicColumns() {
    return {Computed("Name", ComputedColumn::CosmicName), Field(SectionId::Cosmic, 0),
            Computed("Description", ComputedColumn::CosmicDescription)};
}

std::string EpochText(int epoch) {
    if (epoch == UnitFigures::kStart) return "start";
    if (epoch == UnitFigures::kNone) return {};
    if (epoch == UnitFigures::kUnknown) return "unknown";
    return EpochName(epoch);
}

ComputedCell Count(int n) { return {std::to_string(n), n}; }

// Sorts after every epoch.
constexpr long kAfterEpochs = 100;

}  // namespace

const std::vector<TableColumn>& TableColumns(SectionId section) {
    static const std::vector<TableColumn> units = UnitColumns();
    static const std::vector<TableColumn> advances = AdvanceColumns();
    static const std::vector<TableColumn> cosmic = CosmicColumns();
    switch (section) {
        case SectionId::Units: return units;
        case SectionId::Advances: return advances;
        case SectionId::Cosmic: break;
    }
    return cosmic;
}

int ColumnOfHeading(SectionId section, std::string_view heading) {
    const std::vector<TableColumn>& columns = TableColumns(section);
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (columns[c].field < 0 && SameFoldingCase(columns[c].heading, heading)) return static_cast<int>(c);
    // A field's column is found as the field table finds the field.
    const std::optional<int> field = FindField(section, heading);
    return field ? ColumnOfField(section, *field) : -1;
}

int ColumnOfField(SectionId section, int field) {
    const std::vector<TableColumn>& columns = TableColumns(section);
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (field >= 0 && columns[c].field == field) return static_cast<int>(c);
    return -1;
}

ComputedCell ComputeCell(const RulesDocument&, const RecordFigures& figures, ComputedColumn column,
                         int record) {
    const auto at = [record](const auto& list) -> const auto& {
        return list.at(static_cast<std::size_t>(record - 1));
    };
    switch (column) {
        case ComputedColumn::Available: {
            const UnitFigures& f = at(figures.units);
            if (f.neverAvailable) return {"never", kAfterEpochs};
            return {EpochText(f.availableEpoch), f.availableEpoch};
        }
        case ComputedColumn::UnitAdvancesNeeded: return Count(at(figures.units).advancesNeeded);
        case ComputedColumn::RetiredBy: {
            const int epoch = at(figures.units).retiredEpoch;
            return {EpochText(epoch), epoch == UnitFigures::kNone ? kAfterEpochs : epoch};
        }
        case ComputedColumn::AdvancesNeeded: return Count(at(figures.advances).advancesNeeded);
        case ComputedColumn::Opens: return Count(at(figures.advances).opens);
        case ComputedColumn::UnitsBrought: return Count(at(figures.advances).units);
        case ComputedColumn::CosmicName: return {at(CosmicNames()), std::nullopt};
        case ComputedColumn::CosmicDescription:
            return {std::string(at(CosmicComments(Language::English))), std::nullopt};
        case ComputedColumn::None: break;
    }
    return {};
}

std::string TableCellText(const RulesDocument& document, const RecordFigures& figures,
                          SectionId section, int column, int record) {
    const TableColumn& shown = TableColumns(section).at(static_cast<std::size_t>(column));
    if (shown.field < 0) return ComputeCell(document, figures, shown.computed, record).text;
    const FieldRef ref{section, record, shown.field};
    if (section == SectionId::Cosmic && !IsWritable(document, ref)) return {};
    return DisplayText(document, ref);
}

bool IsWritable(const RulesDocument& document, const FieldRef& ref) {
    if (!IsValidField(document, ref)) return false;
    return ref.section != SectionId::Cosmic || document.Cosmic().LineOf(ref.record - 1) >= 0;
}

CellValue ReadCell(const RulesDocument& document, const FieldRef& ref, std::string_view utf8) {
    if (!IsValidField(document, ref)) return {{}, {}, "There is no such field."};
    if (!IsWritable(document, ref))
        return {{}, {}, "This value has no line in the file, so it cannot be set."};
    const std::optional<std::string> bytes = Utf8ToCp1252(utf8);
    if (!bytes)
        return {{}, {}, kNotCp1252};
    ParsedValue parsed = ParseDisplayText(document, ref, *bytes);
    if (!parsed.problem.empty()) return {{}, {}, Cp1252ToUtf8(parsed.problem)};
    CellValue cell{std::move(parsed.stored), {}, {}};
    // Flags short of their leading zeros get them back; the user is told.
    if (KindOf(ref.section, ref.field) == FieldKind::Flags && *bytes != DisplayText(document, ref)) {
        if (const std::optional<FlagsText> flags = ReadFlags(*bytes); flags && flags->restored)
            cell.note = "\"" + *bytes + "\" had lost its leading zeros: read as " + flags->flags + ".";
    }
    return cell;
}

CellValue ReadSectionCell(const RulesDocument& document, const CellRef& ref, std::string_view utf8) {
    if (!IsValidCell(document, ref))
        return {{}, {}, "This row's line holds fewer values: there is no value here to set."};
    const std::optional<std::string> bytes = Utf8ToCp1252(utf8);
    if (!bytes) return {{}, {}, kNotCp1252};
    ParsedValue parsed = ParseCellText(document, ref, *bytes);
    if (!parsed.problem.empty()) return {{}, {}, Cp1252ToUtf8(parsed.problem)};
    return {std::move(parsed.stored), {}, {}};
}

}  // namespace rules
