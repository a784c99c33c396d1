#include "rules/compare/field_listing.h"

#include "rules/compare/comparison.h"
#include "rules/document/field_table.h"
#include "rules/document/rules_document.h"
#include "rules/sections/section_cells.h"

namespace rules {

namespace {

struct RecordPlace {
    SectionId section = SectionId::Units;
    int record = 0;  // 0: the line holds no record
};

// The fields of a record or row are listed under one line that names it, so
// that a rename changes that line and the name's, not every line of the record.
constexpr const char* kUnder = "    ";

// A row of another section becomes its name, then one line per cell it holds
// (`    column "defense" 1`); any other line stays.
void AddLineOrRow(const RulesDocument& document, int line, std::vector<std::string>& listing) {
    const OtherSections::Place place = document.Others().RowAt(line);
    if (place.section < 0) {
        listing.emplace_back(document.Lines().GetLine(line));
        return;
    }
    const SectionTable& section = document.Others().At(place.section);
    listing.push_back(RowLabel(section, place.row));
    for (int column = 0; column < section.ColumnCount(); ++column) {
        if (!section.HasCell(place.row, column)) continue;
        const std::string& text = section.Cell(place.row, column);
        if (column == section.CommentColumn() && text.empty()) continue;
        listing.push_back(kUnder + ColumnLabel(section, column) + ' ' + ShownValue(text, false));
    }
}

}  // namespace

std::vector<std::string> FieldListing(const RulesDocument& document) {
    const int lineCount = document.Lines().LineCount();
    std::vector<RecordPlace> places(static_cast<std::size_t>(lineCount));
    for (const SectionId section : {SectionId::Cosmic, SectionId::Advances, SectionId::Units}) {
        for (int record = 1; record <= RecordCount(document, section); ++record) {
            const int line = RecordLine(document, section, record);
            if (line >= 0 && line < lineCount) places[static_cast<std::size_t>(line)] = {section, record};
        }
    }

    std::vector<std::string> listing;
    listing.reserve(static_cast<std::size_t>(lineCount) * 4);
    for (int line = 0; line < lineCount; ++line) {
        const RecordPlace& place = places[static_cast<std::size_t>(line)];
        if (place.record == 0) {
            AddLineOrRow(document, line, listing);
            continue;
        }
        const std::string label = RecordLabel(
            place.section, RecordName(document, place.section, place.record),
            place.section == SectionId::Advances ? document.Advances().At(place.record).abbrev
                                                 : std::string());
        const bool cosmic = place.section == SectionId::Cosmic;
        if (!cosmic) listing.push_back(label);
        for (int field = 0; field < FieldCount(place.section); ++field) {
            // A cosmic value is a record of one field: its line names both.
            std::string text = cosmic ? label + ' ' : kUnder;
            if (!cosmic) {
                text += FieldLabel(place.section, field);
                text += ' ';
            }
            text += ShownValue(FieldText(document, {place.section, place.record, field}),
                               InfoOf(place.section, field).kind == FieldKind::Name);
            listing.push_back(std::move(text));
        }
    }
    return listing;
}

}  // namespace rules
