#include "rules/compare/field_listing.h"

#include "rules/compare/comparison.h"
#include "rules/document/field_table.h"
#include "rules/document/rules_document.h"

namespace rules {

namespace {

struct RecordPlace {
    SectionId section = SectionId::Units;
    int record = 0;  // 0: the line holds no record
};

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
            listing.emplace_back(document.Lines().GetLine(line));
            continue;
        }
        const std::string label = RecordLabel(
            place.section, RecordName(document, place.section, place.record),
            place.section == SectionId::Advances ? document.Advances().At(place.record).abbrev
                                                 : std::string());
        for (int field = 0; field < FieldCount(place.section); ++field) {
            std::string text = label;
            text += ' ';
            if (place.section != SectionId::Cosmic) {
                text += FieldLabel(place.section, field);
                text += ' ';
            }
            text += ShownValue(FieldText(document, {place.section, place.record, field}),
                               Spec(place.section, field).kind == FieldKind::Name);
            listing.push_back(std::move(text));
        }
    }
    return listing;
}

}  // namespace rules
