// What each column declares, read alike by every surface: a cosmic value's
// own range, a number with letters around it wherever one stands, and the
// rules of an abbreviation.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/check/quick_fixes.h"
#include "rules/check/rules_check.h"
#include "rules/document/cp1252.h"
#include "rules/document/field_values.h"
#include "rules/language/document_edits.h"
#include "rules/language/hover.h"
#include "rules/sections/section_cells.h"
#include "test_files.h"

namespace rules {
namespace {

using testing::Replaced;

std::string Demo() { return testing::ReadBytes(std::string(EXAMPLES_DIR) + "/rules.txt"); }

constexpr int kRoadMoveLine = 9;  // "3     ; Movement multiplier on roads", from 0

std::vector<std::string> Found(const RulesDocument& document, const std::string& check) {
    std::vector<std::string> texts;
    for (const Problem& problem : CheckRules(document))
        if (problem.check == check) texts.push_back(problem.text);
    return texts;
}

TEST(ColumnRules, EachCosmicValueHasItsOwnRangeInTheFormsTheHoverAndTheCheck) {
    const std::string bytes = Replaced(Demo(), "3     ; Movement", "500   ; Movement");
    const RulesDocument document = testing::DocumentOf(bytes);
    const ColumnInfo& road = InfoOf(CosmicFieldRef(1));
    EXPECT_EQ(road.heading, "RoadMove");
    EXPECT_NE(road.range.maximum, InfoOf(CosmicFieldRef(12)).range.maximum);  // TechParadigm

    // Typed, set or imported: refused outside its own range, taken inside.
    EXPECT_EQ(ParseDisplayText(document, CosmicFieldRef(1), "200").problem, "200 is outside 1 to 100.");
    EXPECT_EQ(ParseDisplayText(document, CosmicFieldRef(12), "200").stored, "200");
    EXPECT_EQ(Found(document, "out-of-range"),
              (std::vector<std::string>{"\"Road movement multiplier\" is 500, outside 1 to 100, the "
                                        "range the editor offers."}));
    const language::OpenDocument open(Language::English, Cp1252ToUtf8(bytes));
    const std::optional<language::Hover> hover = language::HoverAt(open, {kRoadMoveLine, 0});
    ASSERT_TRUE(hover);
    EXPECT_NE(hover->markdown.find("Value 500, allowed 1 to 100."), std::string::npos) << hover->markdown;
}

// Applies the first fix offered for a not-a-number problem, as the Check
// page does; false when none is left.
bool KeepOneLeadingNumber(RulesDocument& document) {
    for (const Problem& problem : CheckRules(document)) {
        if (problem.check != "not-a-number") continue;
        for (const QuickFix& fix : QuickFixes(document, problem)) {
            if (fix.title.rfind("Keep the leading number, ", 0) != 0) continue;
            for (const auto& [ref, value] : fix.edits) SetFieldText(document, ref, value);
            for (const CellEdit& cell : fix.cells) SetCellText(document, cell.ref, cell.value);
            EXPECT_TRUE(ApplyLineFixes(document, fix.lines)) << fix.title;
            return true;
        }
    }
    return false;
}

TEST(ColumnRules, ANumberWithLettersIsNotANumberInEveryTableAndKeepsItsLeadingNumber) {
    std::string bytes = Replaced(Demo(), "3     ; Movement", "3x    ; Movement");
    bytes = Replaced(bytes, "12    ; One in x", "x12   ; One in x");
    bytes = Replaced(bytes, "Mossrider,       Hft, 0,  1.,0,   1a", "Mossrider,       Hft, 0,  1.,0,   7xa");
    bytes = Replaced(bytes, "Road Builder,    nil, 0,  1.,0,   0a, 2d,  2h,1f, 4,",
                     "Road Builder,    nil, 0,  1.,0,   0a, 2d,  2h,1f, 2x,");
    bytes = Replaced(bytes, "Kiln Firing,      8,", "Kiln Firing,      8x,");
    bytes = Replaced(bytes, "Ashfield,         1, 0, 1,", "Ashfield,         1, 0, 2x,");
    RulesDocument document = testing::DocumentOf(bytes);
    EXPECT_EQ(Found(document, "not-a-number").size(), 6u);
    // The two cosmic values read as 3 and 12, as the game reads them, yet
    // are reported as their lines hold them.
    EXPECT_EQ(document.Cosmic().Value(0), "3");
    EXPECT_EQ(Found(document, "not-a-number").front(),
              "\"Road movement multiplier\" is \"3x\", not a plain number.");

    int fixed = 0;
    while (fixed < 10 && KeepOneLeadingNumber(document)) ++fixed;
    EXPECT_EQ(fixed, 5);  // all but "x12", which has no leading number
    EXPECT_EQ(Found(document, "not-a-number"),
              (std::vector<std::string>{"\"1 in x chance Trireme lost (mod. by Seafaring, "
                                        "Navigation)\" is \"x12\", not a plain number."}));
    const std::string saved = document.SaveToBytes();
    for (const char* line : {"\r\n3    ; Movement", "Mossrider,       Hft, 0,  1.,0,   7a,",
                             "2h,1f, 2,0,", "Ashfield,         1, 0, 2,"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    EXPECT_EQ(saved.find("8x"), std::string::npos);
    EXPECT_EQ(document.Advances().At(1).aiValue, "8");

    // The language server offers the same fix, as an edit of the line.
    language::OpenDocument open(Language::English, Cp1252ToUtf8(Replaced(Demo(), "3     ;", "3x    ;")));
    const std::vector<language::CodeAction> actions =
        language::CodeActions(open, {}, {{kRoadMoveLine, 0}, {kRoadMoveLine, 0}});
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0].title, "Keep the leading number, 3");
    ASSERT_EQ(actions[0].edits.size(), 1u);
    EXPECT_EQ(actions[0].edits[0].newText, "");  // the "x" goes, nothing else
}

TEST(ColumnRules, AnAbbreviationIsThreeCharactersNoOneElseHasAndNeverNilOrNo) {
    std::string bytes = Replaced(Demo(), "Tidecraft,        8, -1, nil, nil, 0, 1  ; Tdc",
                                 "Tidecraft,        8, -1, nil, nil, 0, 1  ; no");
    const RulesDocument document = testing::DocumentOf(bytes);
    const FieldRef kiln = AdvanceFieldRef(1, AdvanceField::Abbrev);
    EXPECT_EQ(ParseDisplayText(document, kiln, "Abcd").problem,
              "An abbreviation has three characters; \"Abcd\" has 4.");
    EXPECT_EQ(ParseDisplayText(document, kiln, "nil").problem, "\"nil\" stands for no advance.");
    EXPECT_EQ(ParseDisplayText(document, kiln, "Rdw").problem, "\"Rdw\" is taken: Reed Weaving has it.");
    EXPECT_EQ(ParseDisplayText(document, kiln, "Kfr").stored, "Kfr");
    // What the file holds already can be given back unchanged.
    EXPECT_TRUE(ParseDisplayText(document, AdvanceFieldRef(2, AdvanceField::Abbrev), "no").problem.empty());

    EXPECT_EQ(Found(document, "shared-abbreviation"),
              (std::vector<std::string>{"Advance \"Tidecraft\" (no) has the abbreviation \"no\", which "
                                        "every look-up takes for no advance, so this one can never be "
                                        "required."}));
}

}  // namespace
}  // namespace rules
