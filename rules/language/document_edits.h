#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rules/check/check_kinds.h"
#include "rules/document/record_fields.h"
#include "rules/language/diagnostics.h"
#include "rules/language/open_document.h"
#include "rules/language/text_places.h"

namespace rules::language {

// Values to give fields, as the rules file holds them (Windows-1252).
using FieldChanges = std::vector<std::pair<FieldRef, std::string>>;

// The text edits that set these fields, each line edited as Save edits it:
// only the changed values' characters move, the padding of their columns
// taking up a change of length. Each edit covers only the part of its line
// that differs. Nothing when a line to change holds a character the rules
// file cannot store, which the edit would turn into "?".
std::optional<std::vector<TextEdit>> FieldEdits(const OpenDocument& document,
                                                const FieldChanges& changes);

// A quick fix of the rules check, as edits of the text.
struct CodeAction {
    std::string title;  // UTF-8
    bool preferred = false;
    std::vector<TextEdit> edits;
    Diagnostic diagnostic;  // what it mends
};

// The quick fixes of the diagnostics on the lines of `range`, in the check's
// order, each problem's fixes in their own order. Fixes that only show a
// record are left out: the diagnostic's related places do that.
std::vector<CodeAction> CodeActions(const OpenDocument& document, const CheckChoice& choice,
                                    TextRange range);

// Align Columns as text edits: each column of the three sections starting
// at one place, only spaces changed. Nothing when a line to change holds a
// character the rules file cannot store.
std::optional<std::vector<TextEdit>> FormatEdits(const OpenDocument& document);

// What renaming an advance's abbreviation may start from: the abbreviation
// on its line or any place that names it by it. The range and the text to
// offer.
struct RenameTarget {
    TextRange range;
    std::string abbrev;  // UTF-8
    int advance = 0;
};
std::optional<RenameTarget> RenameTargetAt(const OpenDocument& document, TextPoint place);

// The edits that give the advance named at `place` the new abbreviation,
// and every place that names it too, in one go; or, when refused, why.
struct RenameOutcome {
    std::vector<TextEdit> edits;
    std::string refusal;  // UTF-8; empty when the rename can go ahead
};
RenameOutcome RenameAdvance(const OpenDocument& document, TextPoint place,
                            std::string_view newAbbrev);

}  // namespace rules::language
