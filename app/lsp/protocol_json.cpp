#include "app/lsp/protocol_json.h"

#include <algorithm>

namespace lsp {

namespace {

// DiagnosticSeverity, CompletionItemKind and SymbolKind as the protocol
// numbers them.
int SeverityNumber(rules::Severity severity) {
    switch (severity) {
        case rules::Severity::Error:
            return 1;
        case rules::Severity::Warning:
            return 2;
        case rules::Severity::Note:
            return 3;
    }
    return 1;
}

int SymbolKindNumber(rules::language::Symbol::Kind kind) {
    using Kind = rules::language::Symbol::Kind;
    switch (kind) {
        case Kind::Section:
            return 3;  // Namespace
        case Kind::Advance:
            return 5;  // Class
        case Kind::Unit:
            return 23;  // Struct
        case Kind::CosmicValue:
            return 14;  // Constant
    }
    return 3;
}

constexpr int kCompletionReference = 18;

}  // namespace

Json Places::Point(TextPoint point) const {
    return {{"line", point.line},
            {"character", text_.UnitColumn(point.line, point.column, encoding_)}};
}

Json Places::Range(TextRange range) const {
    return {{"start", Point(range.start)}, {"end", Point(range.end)}};
}

TextPoint Places::PointOf(const Json& position) const {
    const int line = std::max(0, position.at("line").get<int>());
    const int units = std::max(0, position.at("character").get<int>());
    return {line, text_.CharacterColumn(line, units, encoding_)};
}

TextRange Places::RangeOf(const Json& range) const {
    return {PointOf(range.at("start")), PointOf(range.at("end"))};
}

Json Location(const std::string& uri, const Places& places, TextRange range) {
    return {{"uri", uri}, {"range", places.Range(range)}};
}

Json DiagnosticJson(const std::string& uri, const Places& places,
                    const rules::language::Diagnostic& diagnostic) {
    Json out = {{"range", places.Range(diagnostic.range)},
                {"severity", SeverityNumber(diagnostic.severity)},
                {"code", diagnostic.code},
                {"source", "ovantra-rules"},
                {"message", diagnostic.message}};
    if (!diagnostic.related.empty()) {
        Json related = Json::array();
        for (const rules::language::RelatedPlace& place : diagnostic.related)
            related.push_back(
                {{"location", Location(uri, places, place.range)}, {"message", place.message}});
        out["relatedInformation"] = std::move(related);
    }
    return out;
}

Json TextEdits(const Places& places, const std::vector<rules::language::TextEdit>& edits) {
    Json out = Json::array();
    for (const rules::language::TextEdit& edit : edits)
        out.push_back({{"range", places.Range(edit.range)}, {"newText", edit.newText}});
    return out;
}

Json WorkspaceEdit(const std::string& uri, int version, bool documentChanges, const Json& edits) {
    if (documentChanges)
        return {{"documentChanges",
                 Json::array({{{"textDocument", {{"uri", uri}, {"version", version}}},
                               {"edits", edits}}})}};
    return {{"changes", {{uri, edits}}}};
}

Json HoverJson(const Places& places, const rules::language::Hover& hover) {
    return {{"contents", {{"kind", "markdown"}, {"value", hover.markdown}}},
            {"range", places.Range(hover.range)}};
}

Json CompletionJson(const Places& places, const rules::language::Completion& completion) {
    Json items = Json::array();
    const Json range = places.Range(completion.replace);
    for (const rules::language::CompletionEntry& entry : completion.entries)
        items.push_back({{"label", entry.label},
                         {"kind", kCompletionReference},
                         {"detail", entry.detail},
                         {"filterText", entry.filterText},
                         {"sortText", entry.sortText},
                         {"textEdit", {{"range", range}, {"newText", entry.label}}}});
    // Asked again as the user types: matches by name depend on the text.
    return {{"isIncomplete", true}, {"items", std::move(items)}};
}

Json InlayHintJson(const Places& places, const rules::language::InlayHint& hint) {
    return {{"position", places.Point(hint.place)}, {"label", hint.label}, {"paddingLeft", true}};
}

Json SymbolJson(const Places& places, const rules::language::Symbol& symbol) {
    Json out = {{"name", symbol.name},
                {"kind", SymbolKindNumber(symbol.kind)},
                {"range", places.Range(symbol.range)},
                {"selectionRange", places.Range(symbol.selection)}};
    if (!symbol.detail.empty()) out["detail"] = symbol.detail;
    if (!symbol.children.empty()) {
        Json children = Json::array();
        for (const rules::language::Symbol& child : symbol.children)
            children.push_back(SymbolJson(places, child));
        out["children"] = std::move(children);
    }
    return out;
}

void AppendSymbolInformation(Json& out, const std::string& uri, const Places& places,
                             const rules::language::Symbol& symbol, const std::string& container) {
    Json entry = {{"name", symbol.name},
                  {"kind", SymbolKindNumber(symbol.kind)},
                  {"location", Location(uri, places, symbol.range)}};
    if (!container.empty()) entry["containerName"] = container;
    out.push_back(std::move(entry));
    for (const rules::language::Symbol& child : symbol.children)
        AppendSymbolInformation(out, uri, places, child, symbol.name);
}

Json CodeLensJson(const std::string& uri, const Places& places,
                  const rules::language::CodeLens& lens) {
    Json targets = Json::array();
    for (const TextRange& target : lens.targets) targets.push_back(Location(uri, places, target));
    return {{"range", places.Range(lens.range)},
            {"command",
             {{"title", lens.title},
              {"command", kShowReferences},
              {"arguments", Json::array({lens.title, lens.listing, std::move(targets)})}}}};
}

}  // namespace lsp
