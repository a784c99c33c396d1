// What the language server computes, on the demo file as an editor holds it
// (UTF-8), with faults planted: columns that count characters whatever the
// client counts in, diagnostics on the text at fault, the places that name
// an advance, and edits that leave the text reading as intended.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "rules/check/rules_check.h"
#include "rules/document/cp1252.h"
#include "rules/language/annotations.h"
#include "rules/language/completion.h"
#include "rules/language/diagnostics.h"
#include "rules/language/document_edits.h"
#include "rules/language/navigation.h"
#include "test_files.h"

namespace rules::language {
namespace {

// Lines of the demo file, counted from 0.
constexpr int kBogSmelting = 54;  // "Bog Smelting, 3, 1, Htl, Asg, 0, 1 ; Bgs"
constexpr int kBogStalker = 151;  // "Bog Stalker, Wdw, 0, ..., Bgs, 0010..."

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The demo as an editor holds it, with a circle, an unknown advance after a
// name with accents, and an attack out of range.
std::string PlantedDemo() {
    std::string text = Cp1252ToUtf8(testing::ReadBytes(std::string(EXAMPLES_DIR) + "/rules.txt"));
    text = Replaced(text, "Bog Smelting,     3,  1, Htl, Asg", "Bog Smelting,     3,  1, Htl, Oth");
    text = Replaced(text, "Bog Stalker,     Wdw, 0,  1.,0,   3a",
                    "For\xC3\xAAt \xC3\x89t\xC3\xA9,       Wdx, 0,  1.,0, 133a");  // Forêt Été
    return text;
}

std::string TextAt(const OpenDocument& document, TextRange range) {
    const std::string bytes(document.Rules().Lines().GetLine(range.start.line));
    return Cp1252ToUtf8(
        bytes.substr(static_cast<std::size_t>(range.start.column),
                     static_cast<std::size_t>(range.end.column - range.start.column)));
}

void Apply(OpenDocument& document, std::vector<TextEdit> edits) {
    std::sort(edits.begin(), edits.end(),
              [](const TextEdit& a, const TextEdit& b) { return b.range.start < a.range.start; });
    for (const TextEdit& edit : edits)
        document.Replace(edit.range.start, edit.range.end, edit.newText);
}

TEST(LanguageText, ColumnsCountCharactersWhateverTheClientCountsIn) {
    // "Forêt Été" then a character outside the Basic Multilingual Plane.
    EditorText text("x\r\nFor\xC3\xAAt \xC3\x89t\xC3\xA9 \xF0\x9F\x98\x80 ;\nlast");
    ASSERT_EQ(text.LineCount(), 3);
    EXPECT_EQ(text.UnitColumn(1, 9, PositionEncoding::Utf16), 9);
    EXPECT_EQ(text.UnitColumn(1, 9, PositionEncoding::Utf8), 12);
    EXPECT_EQ(text.UnitColumn(1, 12, PositionEncoding::Utf16), 13);  // a surrogate pair
    EXPECT_EQ(text.CharacterColumn(1, 13, PositionEncoding::Utf16), 12);
    EXPECT_EQ(text.CharacterColumn(1, 11, PositionEncoding::Utf16), 10);  // inside the pair
    EXPECT_EQ(text.CharacterColumn(1, 12, PositionEncoding::Utf8), 9);
    EXPECT_EQ(text.CharacterColumn(1, 99, PositionEncoding::Utf8), 13);  // past the end

    // A change across lines, as a client sends it.
    text.Replace({0, 1}, {1, 3}, "yz\xC3\xA9");
    EXPECT_EQ(text.Utf8(), "xyz\xC3\xA9\xC3\xAAt \xC3\x89t\xC3\xA9 \xF0\x9F\x98\x80 ;\nlast");

    // The file's bytes: one per character; what Windows-1252 lacks is "?"
    // and its place is told; C1 controls stand for their own bytes (an
    // editor that read "€" as Latin-1 holds U+0080).
    std::vector<TextPoint> unstorable;
    EXPECT_EQ(ToFileBytes(text.Utf8() + "\xC2\x80", &unstorable),
              "xyz\xE9\xEAt \xC9t\xE9 ? ;\nlast\x80");
    EXPECT_EQ(unstorable, (std::vector<TextPoint>{{0, 11}}));
}

TEST(LanguageDiagnostics, EachProblemStandsOnTheTextAtFault) {
    const OpenDocument document(Language::English, PlantedDemo());
    const std::vector<Diagnostic> diagnostics = Diagnose(document, {});
    const Problems problems = CheckRules(document.Rules());
    ASSERT_EQ(diagnostics.size(), problems.size());
    std::vector<std::string> seen;
    for (std::size_t k = 0; k < problems.size(); ++k) {
        EXPECT_EQ(diagnostics[k].code, problems[k].check);
        EXPECT_EQ(diagnostics[k].range.start.line, problems[k].line);
        EXPECT_EQ(diagnostics[k].related.size(), problems[k].notes.size());
        seen.push_back(diagnostics[k].code + " " + TextAt(document, diagnostics[k].range));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"prerequisite-circle Oth", "unknown-advance Wdx",
                                              "out-of-range 133a"}));
    // The notes of the circle point at what waits on it.
    ASSERT_FALSE(diagnostics[0].related.empty());
    for (const RelatedPlace& note : diagnostics[0].related)
        EXPECT_NE(note.message.find(TextAt(document, note.range).substr(0, 8)), std::string::npos);

    // Disabled warnings go; a character the file cannot hold is an error.
    OpenDocument typed(Language::English, PlantedDemo() + "\xE2\x86\x92");
    const std::vector<Diagnostic> after = Diagnose(typed, {{"out-of-range"}, {}});
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after.back().code, kNotWindows1252);
    EXPECT_EQ(after.back().message.substr(0, 5), "\"\xE2\x86\x92\"");
}

TEST(LanguageNavigation, EveryPlaceThatNamesAnAdvanceAndARenameOfAll) {
    OpenDocument document(Language::English, PlantedDemo());
    // "Ggr" (Glass Grinding) is a prerequisite of three advances, a unit's
    // prerequisite and a landmark's advance.
    const int glass = document.Rules().Advances().FindByAbbrev("Ggr");
    const int line = document.Rules().Advances().At(glass).line;
    const TextPoint onAbbrev{line, 43};
    ASSERT_EQ(TextAt(document, AdvanceAt(document, onAbbrev)->range), "Ggr");
    const std::vector<TextRange> references = ReferencesAt(document, onAbbrev, false);
    std::vector<int> lines;
    for (const TextRange& range : references) {
        EXPECT_EQ(TextAt(document, range), "Ggr");
        EXPECT_EQ(DefinitionAt(document, range.end)->start.line, line);  // just after the name
        lines.push_back(range.start.line);
    }
    const int landmark = 132;  // "Glass Orchard, 30, Ggr"
    EXPECT_NE(std::find(lines.begin(), lines.end(), landmark), lines.end());
    EXPECT_EQ(lines.size(), 5u);  // and not on its own line
    const std::vector<CodeLens> lenses = CodeLenses(document);
    EXPECT_EQ(lenses[static_cast<std::size_t>(glass - 1)].title,
              "needed by 3 advances, 1 unit; named on 1 other line");

    // Refused: taken, too short, a separator.
    EXPECT_EQ(RenameAdvance(document, onAbbrev, "Bgs").refusal,
              "\"Bgs\" is taken: Bog Smelting has it.");
    EXPECT_FALSE(RenameAdvance(document, onAbbrev, "Gg").refusal.empty());
    EXPECT_FALSE(RenameAdvance(document, onAbbrev, "G;r").refusal.empty());
    EXPECT_FALSE(RenameAdvance(document, onAbbrev, "nil").refusal.empty());

    // Done: every place changes, each line keeps its layout, and the text
    // reads as the same tables with the new abbreviation.
    const std::string before(document.Rules().Lines().GetLine(kBogStalker));
    const RenameOutcome renamed = RenameAdvance(document, references[1].start, "Gg\xC3\xA9");
    ASSERT_EQ(renamed.refusal, "");
    ASSERT_EQ(renamed.edits.size(), 6u);
    Apply(document, renamed.edits);
    EXPECT_EQ(document.Rules().Advances().FindByAbbrev("Ggr"), 0);
    EXPECT_EQ(ReferencesAt(document, onAbbrev, true).size(), 6u);
    EXPECT_EQ(document.Rules().Lines().GetLine(landmark), "Glass Orchard,             30, Gg\xE9");
    EXPECT_EQ(document.Rules().Lines().GetLine(kBogStalker), before);
    EXPECT_EQ(Diagnose(document, {}).size(), 3u);
}

TEST(LanguageEdits, QuickFixesMendTheirProblemAndKeepTheLine) {
    OpenDocument document(Language::English, PlantedDemo());
    const std::vector<CodeAction> onStalker =
        CodeActions(document, {}, {{kBogStalker, 0}, {kBogStalker, 0}});
    std::vector<std::string> titles;
    for (const CodeAction& action : onStalker)
        titles.push_back(action.title + (action.preferred ? " *" : ""));
    EXPECT_EQ(titles,
              (std::vector<std::string>{"Set to nil", "Did you mean \"Wire Drawing\" (Wdw)? *",
                                        "Set to the nearest allowed value, 99 *"}));
    Apply(document, onStalker[1].edits);
    Apply(document, CodeActions(document, {}, {{kBogStalker, 0}, {kBogStalker, 0}}).at(0).edits);
    EXPECT_EQ(document.Rules().Lines().GetLine(kBogStalker).substr(0, 36),
              "For\xEAt \xC9t\xE9,       Wdw, 0,  1.,0,  99a");
    Apply(document, CodeActions(document, {}, {{kBogSmelting, 0}, {kBogSmelting, 0}}).at(0).edits);
    EXPECT_EQ(document.Rules().Lines().GetLine(kBogSmelting),
              "Bog Smelting,     3,  1, Htl, nil, 0, 1  ; Bgs");
    EXPECT_EQ(Diagnose(document, {}).size(), 0u);

    // Formatting aligns a squeezed line with the rest, and only moves spaces.
    document.Replace({kBogSmelting, 0}, {kBogSmelting, 99}, "Bog Smelting,3,1,Htl,nil,0,1;Bgs");
    const AdvanceRecord squeezed = document.Rules().Advances().At(20);
    const std::optional<std::vector<TextEdit>> format = FormatEdits(document);
    ASSERT_TRUE(format && !format->empty());
    Apply(document, *format);
    EXPECT_EQ(document.Rules().Advances().At(20), squeezed);
    EXPECT_EQ(document.Rules().Lines().GetLine(kBogSmelting).find(", 3,"),
              document.Rules().Lines().GetLine(kBogSmelting + 1).find(", 5,"));
    EXPECT_TRUE(FormatEdits(document)->empty());
}

TEST(LanguageCompletion, AdvancesWhereOneIsExpectedFoundByAnyPartOfTheirName) {
    OpenDocument document(Language::English, PlantedDemo() + "@X\n");
    // A unit line still being typed: after its twelfth comma comes the
    // prerequisite.
    document.Replace({kBogStalker, 0}, {kBogStalker, 0},
                     "Scout,nil,0,1.,0,0a,1d,1h,1f,3,0,5,smel\n");
    const std::optional<Completion> completion = CompleteAt(document, {kBogStalker, 39});
    ASSERT_TRUE(completion);
    EXPECT_EQ(completion->replace, (TextRange{{kBogStalker, 35}, {kBogStalker, 39}}));
    ASSERT_EQ(completion->entries.size(), 1u);
    EXPECT_EQ(completion->entries[0].label, "Bgs");
    EXPECT_EQ(completion->entries[0].detail, "Bog Smelting");
    EXPECT_EQ(completion->entries[0].filterText, "smel");
    // Nothing typed yet: nil, no and every advance; nothing on a number.
    document.Replace({kBogStalker, 35}, {kBogStalker, 39}, "");
    EXPECT_EQ(CompleteAt(document, {kBogStalker, 35})->entries.size(),
              2u + static_cast<std::size_t>(document.Rules().Advances().Count()));
    EXPECT_FALSE(CompleteAt(document, {kBogStalker, 20}));
}

}  // namespace
}  // namespace rules::language
