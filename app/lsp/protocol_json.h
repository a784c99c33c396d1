#pragma once

// The language's answers as the protocol's JSON: places turned into the
// client's code units, severities, kinds and edits as numbers and objects.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "rules/language/annotations.h"
#include "rules/language/completion.h"
#include "rules/language/diagnostics.h"
#include "rules/language/document_edits.h"
#include "rules/language/hover.h"
#include "rules/language/outline.h"

namespace lsp {

using Json = nlohmann::json;
using rules::language::EditorText;
using rules::language::PositionEncoding;
using rules::language::TextPoint;
using rules::language::TextRange;

// Converts places between the text's characters and the client's units.
class Places {
  public:
    Places(const EditorText& text, PositionEncoding encoding) : text_(text), encoding_(encoding) {}

    Json Point(TextPoint point) const;
    Json Range(TextRange range) const;
    // A client's position; throws a JSON error when it is no position.
    TextPoint PointOf(const Json& position) const;
    TextRange RangeOf(const Json& range) const;

  private:
    const EditorText& text_;
    PositionEncoding encoding_;
};

Json Location(const std::string& uri, const Places& places, TextRange range);
Json DiagnosticJson(const std::string& uri, const Places& places,
                    const rules::language::Diagnostic& diagnostic);
Json TextEdits(const Places& places, const std::vector<rules::language::TextEdit>& edits);
// A workspace edit of one document: versioned document changes when the
// client takes them, otherwise plain changes.
Json WorkspaceEdit(const std::string& uri, int version, bool documentChanges, const Json& edits);
Json HoverJson(const Places& places, const rules::language::Hover& hover);
Json CompletionJson(const Places& places, const rules::language::Completion& completion);
Json InlayHintJson(const Places& places, const rules::language::InlayHint& hint);
Json SymbolJson(const Places& places, const rules::language::Symbol& symbol);
// The outline flattened, for clients without hierarchical symbols.
void AppendSymbolInformation(Json& out, const std::string& uri, const Places& places,
                             const rules::language::Symbol& symbol, const std::string& container);

// The command a code lens carries: the server answers it with a message
// listing the places.
inline constexpr const char* kShowReferences = "ovantra-rules.showReferences";
Json CodeLensJson(const std::string& uri, const Places& places,
                  const rules::language::CodeLens& lens);

}  // namespace lsp
