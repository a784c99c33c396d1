#include "rules/language/outline.h"

#include "rules/document/cosmic_section.h"
#include "rules/document/cp1252.h"
#include "rules/document/field_values.h"
#include "rules/language/document_map.h"

namespace rules::language {

namespace {

Symbol RecordSymbol(const RulesDocument& rules, const DocumentMap& map, SectionId section,
                    int record) {
    Symbol symbol;
    const int line = map.LineOf(section, record);
    symbol.range = map.LineRange(line);
    symbol.selection = map.FieldRange({section, record, 0});
    symbol.name = Cp1252ToUtf8(RecordName(rules, section, record));
    switch (section) {
        case SectionId::Cosmic:
            symbol.kind = Symbol::Kind::CosmicValue;
            symbol.detail = Cp1252ToUtf8(rules.Cosmic().Value(record - 1));
            break;
        case SectionId::Advances:
            symbol.kind = Symbol::Kind::Advance;
            symbol.detail = Cp1252ToUtf8(rules.Advances().At(record).abbrev);
            break;
        case SectionId::Units:
            symbol.kind = Symbol::Kind::Unit;
            symbol.detail = Cp1252ToUtf8(DisplayText(rules, UnitFieldRef(record, UnitField::Role)));
            break;
    }
    // A name never stands empty in an outline.
    if (symbol.name.empty()) symbol.name = "(no name)";
    return symbol;
}

}  // namespace

std::vector<Symbol> Outline(const OpenDocument& document) {
    const RulesDocument& rules = document.Rules();
    const DocumentMap& map = document.Map();
    std::vector<Symbol> outline;
    for (const SectionPlace& section : map.Sections()) {
        Symbol& symbol = outline.emplace_back();
        symbol.name = "@" + Cp1252ToUtf8(section.name);
        const int last = section.end - 1;
        symbol.range = {{section.header, 0},
                        {last, static_cast<int>(rules.Lines().GetLine(last).size())}};
        symbol.selection = map.LineRange(section.header);
        if (!section.table) continue;
        const SectionId id = *section.table;
        for (int k = 1; k <= RecordCount(rules, id); ++k)
            if (map.LineOf(id, k) >= 0) symbol.children.push_back(RecordSymbol(rules, map, id, k));
    }
    return outline;
}

}  // namespace rules::language
