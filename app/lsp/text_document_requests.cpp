// The requests about an open document: each turns the client's places into
// the text's, asks rules/language, and turns the answer into JSON.

#include "app/lsp/server.h"
#include "rules/language/annotations.h"
#include "rules/language/completion.h"
#include "rules/language/document_edits.h"
#include "rules/language/hover.h"
#include "rules/language/navigation.h"
#include "rules/language/outline.h"

namespace lsp {

namespace language = rules::language;

namespace {

std::string UriOf(const Json& params) {
    return params.at("textDocument").at("uri").get<std::string>();
}

}  // namespace

Server::Handler Server::DocumentHandler(const std::string& method) {
    static const std::map<std::string, Handler> handlers = {
        {"textDocument/hover", &Server::HoverRequest},
        {"textDocument/definition", &Server::DefinitionRequest},
        {"textDocument/references", &Server::ReferencesRequest},
        {"textDocument/completion", &Server::CompletionRequest},
        {"textDocument/codeAction", &Server::CodeActionRequest},
        {"textDocument/inlayHint", &Server::InlayHintRequest},
        {"textDocument/codeLens", &Server::CodeLensRequest},
        {"textDocument/documentSymbol", &Server::SymbolRequest},
        {"textDocument/prepareRename", &Server::PrepareRenameRequest},
        {"textDocument/rename", &Server::RenameRequest},
        {"textDocument/formatting", &Server::FormattingRequest},
        {"workspace/executeCommand", &Server::ExecuteCommandRequest},
    };
    const auto found = handlers.find(method);
    return found == handlers.end() ? nullptr : found->second;
}

Json Server::HoverRequest(const Json& params) {
    const Document* document = Find(params);
    if (!document) return nullptr;
    const Places places = PlacesIn(*document);
    const auto hover = language::HoverAt(document->text, places.PointOf(params.at("position")));
    return hover ? HoverJson(places, *hover) : Json(nullptr);
}

Json Server::DefinitionRequest(const Json& params) {
    const Document* document = Find(params);
    if (!document) return nullptr;
    const Places places = PlacesIn(*document);
    const auto target =
        language::DefinitionAt(document->text, places.PointOf(params.at("position")));
    return target ? Location(UriOf(params), places, *target) : Json(nullptr);
}

Json Server::ReferencesRequest(const Json& params) {
    Json out = Json::array();
    const Document* document = Find(params);
    if (!document) return out;
    const Places places = PlacesIn(*document);
    const bool withDeclaration =
        params.value("context", Json::object()).value("includeDeclaration", false);
    for (const TextRange& range : language::ReferencesAt(
             document->text, places.PointOf(params.at("position")), withDeclaration))
        out.push_back(Location(UriOf(params), places, range));
    return out;
}

Json Server::CompletionRequest(const Json& params) {
    const Document* document = Find(params);
    if (!document) return nullptr;
    const Places places = PlacesIn(*document);
    const auto completion =
        language::CompleteAt(document->text, places.PointOf(params.at("position")));
    return completion ? CompletionJson(places, *completion) : Json(nullptr);
}

Json Server::CodeActionRequest(const Json& params) {
    Json out = Json::array();
    const Document* document = Find(params);
    if (!document) return out;
    // Only quick fixes are offered; a client asking for other kinds gets none.
    const Json only = params.value("context", Json::object()).value("only", Json());
    if (only.is_array()) {
        bool wanted = false;
        for (const Json& kind : only) wanted = wanted || kind == "quickfix" || kind == "";
        if (!wanted) return out;
    }
    const Places places = PlacesIn(*document);
    const std::string uri = UriOf(params);
    for (const language::CodeAction& action :
         language::CodeActions(document->text, choice_, places.RangeOf(params.at("range")))) {
        Json entry = {
            {"title", action.title},
            {"kind", "quickfix"},
            {"diagnostics", Json::array({DiagnosticJson(uri, places, action.diagnostic)})},
            {"edit", WorkspaceEdit(uri, document->version, documentChanges_,
                                   TextEdits(places, action.edits))}};
        if (action.preferred) entry["isPreferred"] = true;
        out.push_back(std::move(entry));
    }
    return out;
}

Json Server::InlayHintRequest(const Json& params) {
    Json out = Json::array();
    const Document* document = Find(params);
    if (!document) return out;
    const Places places = PlacesIn(*document);
    const TextRange range = places.RangeOf(params.at("range"));
    for (const language::InlayHint& hint :
         language::InlayHints(document->text, range.start.line, range.end.line))
        out.push_back(InlayHintJson(places, hint));
    return out;
}

Json Server::CodeLensRequest(const Json& params) {
    Json out = Json::array();
    const Document* document = Find(params);
    if (!document) return out;
    const Places places = PlacesIn(*document);
    for (const language::CodeLens& lens : language::CodeLenses(document->text))
        out.push_back(CodeLensJson(UriOf(params), places, lens));
    return out;
}

Json Server::SymbolRequest(const Json& params) {
    Json out = Json::array();
    const Document* document = Find(params);
    if (!document) return out;
    const Places places = PlacesIn(*document);
    for (const language::Symbol& symbol : language::Outline(document->text)) {
        if (hierarchicalSymbols_)
            out.push_back(SymbolJson(places, symbol));
        else
            AppendSymbolInformation(out, UriOf(params), places, symbol, "");
    }
    return out;
}

Json Server::PrepareRenameRequest(const Json& params) {
    const Document* document = Find(params);
    if (!document) return nullptr;
    const Places places = PlacesIn(*document);
    const auto target =
        language::RenameTargetAt(document->text, places.PointOf(params.at("position")));
    if (!target) return nullptr;
    return {{"range", places.Range(target->range)}, {"placeholder", target->abbrev}};
}

Json Server::RenameRequest(const Json& params) {
    const Document* document = Find(params);
    if (!document) return nullptr;
    const Places places = PlacesIn(*document);
    const language::RenameOutcome outcome =
        language::RenameAdvance(document->text, places.PointOf(params.at("position")),
                                params.at("newName").get<std::string>());
    if (!outcome.refusal.empty()) throw RequestRefused(outcome.refusal);
    return WorkspaceEdit(UriOf(params), document->version, documentChanges_,
                         TextEdits(places, outcome.edits));
}

Json Server::FormattingRequest(const Json& params) {
    const Document* document = Find(params);
    if (!document) return Json::array();
    const auto edits = language::FormatEdits(document->text);
    if (!edits)
        throw RequestRefused(
            "A line to align holds a character the rules file cannot hold; mend that first.");
    return TextEdits(PlacesIn(*document), *edits);
}

Json Server::ExecuteCommandRequest(const Json& params) {
    if (params.at("command") != kShowReferences)
        throw RequestRefused("no command " + params.at("command").dump());
    // The code lens's title, its listing and its places.
    const Json& arguments = params.at("arguments");
    ShowMessage(3, arguments.at(0).get<std::string>() + ":\n" + arguments.at(1).get<std::string>());
    return arguments.at(2);
}

}  // namespace lsp
