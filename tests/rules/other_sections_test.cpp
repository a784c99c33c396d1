// The sections the editor has no form for, read as tables and edited in
// place: the demo's, and generated ones of many shapes (headings found or
// not, comments after values, tabs, ragged lines, sections ended by ";",
// by the next header or by the end of the file).

#include <gtest/gtest.h>

#include <random>

#include "rules/check/rules_check.h"
#include "rules/compare/comparison.h"
#include "rules/compare/merge.h"
#include "rules/document/cp1252.h"
#include "rules/document/rules_document.h"
#include "rules/edits/cell_grid.h"
#include "rules/edits/csv_exchange.h"
#include "rules/edits/table_plans.h"
#include "rules/sections/section_cells.h"
#include "rules/source/written_lines.h"
#include "test_files.h"

namespace rules {
namespace {

using rules::testing::Replaced;

std::string DemoBytes(const char* name = "rules.txt") {
    return testing::ReadBytes(std::string(EXAMPLES_DIR) + "/" + name);
}

TEST(OtherSections, DemoSectionsAreTablesUnderTheirCommentsHeadings) {
    const RulesDocument document = testing::DocumentOf(DemoBytes());
    const OtherSections& others = document.Others();
    ASSERT_EQ(others.Count(), 3);
    EXPECT_EQ(others.At(0).Name(), "LANDMARKS");
    EXPECT_EQ(others.At(1).Name(), "TERRAIN");
    EXPECT_EQ(others.At(2).Name(), "GOVERNMENTS");
    const SectionTable& terrain = others.At(others.Find("terrain"));
    EXPECT_EQ(terrain.Headings(), (std::vector<std::string>{"name", "move cost", "defense", "food",
                                                            "shields", "trade", "Comment"}));
    EXPECT_EQ(terrain.RowCount(), 6);
    EXPECT_EQ(terrain.Cell(1, 0), "Saltmarsh");
    EXPECT_EQ(terrain.Cell(1, 2), "1");
    EXPECT_EQ(terrain.Cell(1, terrain.CommentColumn()), "smh");
    EXPECT_TRUE(terrain.WholeNumberColumn(1));
    EXPECT_FALSE(terrain.WholeNumberColumn(0));
    EXPECT_EQ(others.At(0).Headings()[2], "advance needed");
    EXPECT_EQ(others.At(2).Headings()[1], "title of the leader");
}

TEST(OtherSections, AnEditedRowKeepsItsLayoutAndUndoGivesTheSavedBytes) {
    const std::string original = DemoBytes();
    RulesDocument document = testing::DocumentOf(original);
    const int terrain = document.Others().Find("TERRAIN");
    const int line = document.Others().At(terrain).LineOf(1);
    SetCellText(document, {terrain, 1, 2}, "12");
    SetCellText(document, {terrain, 1, 0}, "Salt Marsh");
    EXPECT_TRUE(document.HasUnsavedChanges());
    const std::string edited = document.SaveToBytes();
    const LineStore before = testing::StoreOf(original);
    const LineStore after = testing::StoreOf(edited);
    ASSERT_EQ(after.LineCount(), before.LineCount());
    for (int i = 0; i < before.LineCount(); ++i) {
        if (i == line) continue;
        EXPECT_EQ(after.GetLine(i), before.GetLine(i)) << i;
    }
    // Before: "Saltmarsh,        2, 1, 1, 0, 0 ; smh". The longer name and
    // the wider number take their room from the padding where it has more
    // than one space.
    EXPECT_EQ(after.GetLine(line), "Salt Marsh,       2, 12, 1, 0, 0 ; smh");
    // The Source page shows the line as saving will write it, unsaved.
    WrittenLines written;
    written.Take(document);
    EXPECT_EQ(written.Line(line), after.GetLine(line));
    EXPECT_EQ(written.UnsavedLines(), std::vector<int>{line});

    SetCellText(document, {terrain, 1, 2}, "1");
    SetCellText(document, {terrain, 1, 0}, "Saltmarsh");
    EXPECT_FALSE(document.HasUnsavedChanges());
    EXPECT_EQ(document.SaveToBytes(), original);
}

TEST(OtherSections, AChangedValueTakesOrGivesItsColumnsPaddingAndNoMore) {
    const std::string bytes =
        "; x\r\n@COSMIC\r\n3 ; a\r\n;\r\n@PADS\r\n"
        "Reed,      12,  x ; a\r\n"
        "Long Name, 3,   y ; b\r\n"
        ";\r\n@TIGHT\r\nAa, 10, b\r\nBb, 2, c\r\n;\r\n@TABS\r\nOr,\t12,\tKe\r\n";
    const auto edited = [&](int section, int row, int column, const char* text) {
        RulesDocument document = testing::DocumentOf(bytes);
        SetCellText(document, {section, row, column}, text);
        return document.Others().At(section).LineNow(row);
    };
    EXPECT_EQ(edited(0, 1, 0, "Reedbanks"), "Reedbanks, 12,  x ; a");       // one space kept
    EXPECT_EQ(edited(0, 2, 0, "Long Name Two"), "Long Name Two, 3,   y ; b");  // no room
    EXPECT_EQ(edited(0, 1, 1, "1234"), "Reed,    1234,  x ; a");          // numbers pad before
    EXPECT_EQ(edited(0, 1, 1, "1"), "Reed,       1,  x ; a");
    EXPECT_EQ(edited(0, 1, 2, "xyz"), "Reed,      12,  xyz ; a");         // one space kept
    EXPECT_EQ(edited(1, 1, 1, "9"), "Aa,  9, b");                         // the right edge kept
    EXPECT_EQ(edited(2, 1, 2, "Kelp"), "Or,\t12,\tKelp");                   // tabs stay
    EXPECT_EQ(edited(0, 2, 3, ""), "Long Name, 3,   y ; ");
}

TEST(OtherSections, TheReaderRefusesWhatWouldSplitOrUnmakeTheRow) {
    RulesDocument document = testing::DocumentOf(
        "; x\r\n@COSMIC\r\n3 ; a\r\n;\r\n@SOLO\r\nAlone\r\nPair, 2 ; note\r\n;\r\n");
    const auto problem = [&](int row, int column, std::string_view text) {
        return ParseCellText(document, {0, row, column}, text).problem;
    };
    EXPECT_NE(problem(2, 1, "3,4"), "");
    EXPECT_NE(problem(2, 1, "3;4"), "");
    EXPECT_NE(problem(2, 1, "3\n4"), "");
    EXPECT_NE(problem(2, 0, "@Pair"), "");
    EXPECT_NE(problem(1, 0, "  "), "");        // the only value of its row
    EXPECT_EQ(problem(2, 0, ""), "");          // another value keeps the line a row
    EXPECT_EQ(problem(2, 2, "a; b, c"), "");   // a comment may hold both
    EXPECT_NE(problem(2, 2, "a\r\nb"), "");
    EXPECT_NE(problem(1, 1, "9"), "");         // the line holds no second value
    EXPECT_EQ(ParseCellText(document, {0, 2, 1}, " \t7 ").stored, "7");
    // A comment given to a line without one is added after its values.
    SetCellText(document, {0, 1, 2}, "now");
    EXPECT_EQ(testing::StoreOf(document.SaveToBytes()).GetLine(5), "Alone ; now");
}

// Sections of random shapes after three small designed ones, with what
// each cell holds, so that a test can tell what must read back.
struct Shape {
    std::string name;
    std::vector<std::string> headings;  // expected; none: "Column n"
    std::vector<std::vector<std::string>> values;
    std::vector<std::string> comments;
};

class SectionsFile {
  public:
    explicit SectionsFile(unsigned seed) : random_(seed) {}

    std::string Make(std::vector<Shape>& shapes) {
        std::string text = "; generated\r\n@COSMIC\r\n3 ; a\r\n;\r\n@UNITS\r\n;\r\n";
        const int count = 1 + Below(4);
        for (int s = 0; s < count; ++s) text += Section(shapes.emplace_back(), s, s + 1 == count);
        return text;
    }

  private:
    int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
    std::string Word() {
        static const char* const kParts[] = {"mar", "ke", "lo", "ver", "sa", "dun", "\xE9t", "or"};
        std::string word;
        for (int n = 1 + Below(3); n > 0; --n) word += kParts[Below(8)];
        word[0] = static_cast<char>(word[0] == '\xE9' ? 'E' : word[0] - 'a' + 'A');
        return Chance(20) ? word + " " + kParts[Below(6)] : word;
    }
    std::string Number() { return std::to_string(Below(Chance(80) ? 10 : 3000)); }

    std::string Section(Shape& shape, int index, bool last) {
        shape.name = "EXTRA" + std::to_string(index);
        const int columns = 1 + Below(6);
        const int rows = Below(9);
        std::vector<bool> numeric(static_cast<std::size_t>(columns));
        for (int c = 1; c < columns; ++c) numeric[static_cast<std::size_t>(c)] = Chance(60);
        const bool ragged = rows >= 3 && Chance(25);
        const int raggedRow = Below(std::max(rows, 1));
        const int style = Below(4);  // ", "  ","  ",\t"  aligned
        std::string text = "\r\n";
        std::vector<std::string> words;
        for (int c = 0; c < columns; ++c) words.push_back("h" + std::to_string(c) + (Chance(50) ? " x" : ""));
        const int heading = Below(10);
        if (heading < 6) {
            text += "; " + shape.name + ": ";
            for (int c = 0; c < columns; ++c) text += (c ? ", " : "") + words[static_cast<std::size_t>(c)];
            text += Chance(50) ? " ; code\r\n" : "\r\n";
            if (columns >= 2 && rows >= 1) shape.headings = words;
        } else if (heading < 8) {
            text += "; " + Word() + ", " + Word() + ", " + Word() + ", " + Word() + ", " + Word() +
                    ", " + Word() + ", " + Word() + "\r\n";  // seven words: never as many
        }
        text += "@" + shape.name + "\r\n";
        for (int r = 0; r < rows; ++r) {
            if (Chance(10)) text += Chance(50) ? "; a remark, inside\r\n" : " \t\r\n";
            int n = columns;
            if (ragged && r == raggedRow) n = columns > 1 && Chance(50) ? columns - 1 : columns + 1;
            std::vector<std::string>& values = shape.values.emplace_back();
            std::string line;
            for (int c = 0; c < n; ++c) {
                const bool number = c < columns && numeric[static_cast<std::size_t>(c)];
                std::string value = c == 0 ? Word() : number ? Number() : Chance(10) ? "" : Word();
                values.push_back(value);
                if (c > 0) {
                    line += ",";
                    line += style == 0 ? " " : style == 1 ? "" : style == 2 ? "\t" : "";
                }
                if (style == 3) {
                    const std::size_t width = c == 0 ? 14 : 6;
                    const std::string pad(width > value.size() ? width - value.size() : 1, ' ');
                    value = number ? pad + value : value + (c + 1 < n ? pad : "");
                }
                line += value;
            }
            const bool comment = Chance(30);
            shape.comments.push_back(comment ? Word() : "");
            if (comment) line += (Chance(50) ? " ; " : ";") + shape.comments.back();
            text += line + "\r\n";
        }
        if (!last || Chance(70)) text += ";\r\n";
        return text;
    }

    std::mt19937 random_;
};

void ExpectShapes(const RulesDocument& document, const std::vector<Shape>& shapes) {
    ASSERT_EQ(document.Others().Count(), static_cast<int>(shapes.size()));
    for (std::size_t s = 0; s < shapes.size(); ++s) {
        const SectionTable& section = document.Others().At(static_cast<int>(s));
        const Shape& shape = shapes[s];
        ASSERT_EQ(section.RowCount(), static_cast<int>(shape.values.size())) << shape.name;
        EXPECT_EQ(section.HeadingsFromComment(), !shape.headings.empty()) << shape.name;
        for (std::size_t h = 0; h < shape.headings.size(); ++h) EXPECT_EQ(section.Headings()[h], shape.headings[h]);
        for (int row = 1; row <= section.RowCount(); ++row) {
            const auto r = static_cast<std::size_t>(row - 1);
            EXPECT_EQ(section.Row(row).values, shape.values[r]) << shape.name << " row " << row;
            EXPECT_EQ(section.Cell(row, section.CommentColumn()), shape.comments[r]);
        }
    }
}

TEST(OtherSections, GeneratedSectionsReadAsMadeAndEditedCellsReadBackAlone) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(seed);
        SectionsFile maker(seed);
        std::vector<Shape> shapes;
        const std::string original = maker.Make(shapes);
        RulesDocument document = testing::DocumentOf(original);
        ExpectShapes(document, shapes);
        if (::testing::Test::HasFailure()) return;

        // Random cells given random texts through the plans, as a paste
        // would give them.
        std::mt19937 random(seed);
        std::set<int> editedLines;
        for (int n = 0; n < 6; ++n) {
            const int s = static_cast<int>(random() % shapes.size());
            Shape& shape = shapes[static_cast<std::size_t>(s)];
            if (shape.values.empty()) continue;
            const int row = 1 + static_cast<int>(random() % shape.values.size());
            std::vector<std::string>& values = shape.values[static_cast<std::size_t>(row - 1)];
            const int column = static_cast<int>(random() % (values.size() + 1));
            const bool comment = column == static_cast<int>(values.size());
            const std::string texts[] = {"7", "12345", "", "Wide Marsh Land", "-3", "x"};
            std::string text = texts[random() % 6];
            if (column == 0 && text.empty()) text = "Bog";
            const SectionTable& section = document.Others().At(s);
            const int tableColumn = comment ? section.CommentColumn() : column;
            const EditPlan plan = PlanFill(SectionGrid(document, s), {{row, tableColumn}}, Cp1252ToUtf8(text));
            ASSERT_FALSE(plan.Refused()) << plan.problem;
            for (const CellEdit& edit : plan.cells) SetCellText(document, edit.ref, edit.value);
            (comment ? shape.comments[static_cast<std::size_t>(row - 1)] : values[static_cast<std::size_t>(column)]) = text;
            editedLines.insert(section.LineOf(row));
        }
        const std::string saved = document.SaveToBytes();
        const RulesDocument reread = testing::DocumentOf(saved);
        ExpectShapes(reread, shapes);
        const LineStore before = testing::StoreOf(original);
        const LineStore after = testing::StoreOf(saved);
        ASSERT_EQ(after.LineCount(), before.LineCount());
        for (int i = 0; i < before.LineCount(); ++i) {
            if (editedLines.count(i)) continue;
            ASSERT_EQ(after.GetLine(i), before.GetLine(i)) << "line " << i;
        }

        // Every cell put back: the file's own bytes.
        const RulesDocument pristine = testing::DocumentOf(original);
        for (int s = 0; s < document.Others().Count(); ++s) {
            const SectionTable& section = pristine.Others().At(s);
            for (int row = 1; row <= section.RowCount(); ++row)
                for (int column = 0; column < section.ColumnCount(); ++column)
                    if (section.HasCell(row, column))
                        SetCellText(document, {s, row, column}, section.Cell(row, column));
        }
        EXPECT_FALSE(document.HasUnsavedChanges());
        ASSERT_EQ(document.SaveToBytes(), original);
    }
}

TEST(OtherSections, EverySectionOfTheDemoGoesOutAsCsvAndBackUnchanged) {
    for (const char* name : {"rules.txt", "rules.fre", "rules.ger"}) {
        const RulesDocument document = testing::DocumentOf(DemoBytes(name));
        for (const SectionId section : {SectionId::Units, SectionId::Advances, SectionId::Cosmic}) {
            const RecordGrid grid(document, section);
            const EditPlan plan = PlanCsvImport(grid, CsvText(grid));
            EXPECT_FALSE(plan.Refused()) << plan.problem;
            EXPECT_EQ(plan.EditCount(), 0);
        }
        for (int s = 0; s < document.Others().Count(); ++s) {
            const SectionGrid grid(document, s);
            const EditPlan plan = PlanCsvImport(grid, CsvText(grid));
            EXPECT_FALSE(plan.Refused()) << plan.problem;
            EXPECT_EQ(plan.EditCount(), 0);
            EXPECT_TRUE(plan.notes.empty());
        }
    }
}

TEST(OtherSections, ACsvImportChangesTheCellsItChangesAndNamesTheCellItRefuses) {
    const RulesDocument document = testing::DocumentOf(DemoBytes());
    const int terrain = document.Others().Find("TERRAIN");
    const SectionGrid grid(document, terrain);
    std::string csv = CsvText(grid);
    const std::string row = "Glass Dunes,2,1,0,1,1,gld\r\n";
    csv.replace(csv.find(row), row.size(), "Glass Dunes,2,3,0,1,1,gld\r\n");
    EditPlan plan = PlanCsvImport(grid, csv);
    ASSERT_EQ(plan.cells.size(), 1u);
    EXPECT_EQ(plan.cells[0].ref, (CellRef{terrain, 4, 2}));
    EXPECT_EQ(plan.cells[0].value, "3");
    ASSERT_EQ(plan.differences.size(), 1u);
    EXPECT_EQ(plan.differences[0], "Glass Dunes, defense: 1 \u2192 3");

    csv.replace(csv.find("Glass Dunes,2,3"), 15, "Glass Dunes,2;3");
    plan = PlanCsvImport(grid, csv);
    EXPECT_TRUE(plan.Refused());
    EXPECT_EQ(plan.problem.rfind("Row 5 (Glass Dunes), column B (move cost): ", 0), 0u) << plan.problem;
    EXPECT_TRUE(plan.cells.empty());
}

TEST(OtherSections, TheCheckFindsARaggedRowAndAStrayWordAmongNumbers) {
    std::string bytes = Replaced(DemoBytes(), "Ashfield,         1, 0, 1, 2, 0", "Ashfield,         1, 0, 1, 2, 0, 4");
    bytes = Replaced(bytes, "Cliffland,        3, 2,", "Cliffland,        3, 2x,");
    bytes = Replaced(bytes, "Hall of Tides,             40,", "Hall of Tides,             forty,");
    const RulesDocument document = testing::DocumentOf(bytes);
    std::vector<std::string> found;
    for (const Problem& problem : CheckRules(document)) {
        found.push_back(problem.check + " " + std::to_string(problem.line + 1) + " " + problem.text);
        EXPECT_GE(problem.cell.section, 0);
        EXPECT_TRUE(IsValidCell(document, problem.cell));
    }
    EXPECT_EQ(found, (std::vector<std::string>{
                         "not-a-number 135 Row \"Hall of Tides\" of LANDMARKS: column \"cost\" \"forty\" is "
                         "not a whole number, while every other value of the column is one.",
                         "column-count 202 Row \"Ashfield\" of TERRAIN has 7 values where most rows of "
                         "@TERRAIN have 6.",
                         "not-a-number 205 Row \"Cliffland\" of TERRAIN: column \"defense\" \"2x\" is not a "
                         "whole number, while every other value of the column is one."}));
}

TEST(OtherSections, ComparedCellByCellAndTakingTheirsLeavesNoDifference) {
    const std::string base = DemoBytes();
    std::string other = Replaced(base, "Saltmarsh,        2, 1,", "Saltmarsh,        2, 2,");
    other = Replaced(other, "Sky Anchor,                60, Skh\r\n", "Sky Anchor,                60, Skh\r\nMoon Gate, 90, Skh\r\n");
    other = Replaced(other, "; Forms of rule", "; Kinds of rule");
    RulesDocument mine = testing::DocumentOf(base);
    const RulesDocument theirs = testing::DocumentOf(other);
    const Comparison comparison = Compare(mine, theirs);
    std::vector<std::string> texts;
    for (const RowDifference& row : comparison.rows)
        for (const CellDifference& cell : row.cells) texts.push_back(DifferenceText(row, cell));
    for (const RowDifference& row : comparison.rows)
        if (row.presence != RecordDifference::Presence::Both) texts.push_back(PresenceText(row));
    EXPECT_EQ(texts, (std::vector<std::string>{"Row \"Saltmarsh\" of TERRAIN: column \"defense\" 1 -> 2",
                                               "Row \"Moon Gate\" of LANDMARKS: added"}));
    // The comment line is an other line; the rows are not.
    EXPECT_EQ(comparison.lines.size(), 1u);
    EXPECT_EQ(SummarySentence(comparison), "1 row of LANDMARKS, 1 row of TERRAIN and 1 other line differ.");

    for (const RowDifference& row : comparison.rows)
        for (const CellDifference& cell : row.cells) SetCellText(mine, cell.ref, cell.after);
    const Comparison after = Compare(mine, theirs);
    for (const RowDifference& row : after.rows) EXPECT_TRUE(row.cells.empty());
}

TEST(OtherSections, AMergeTakesTheirCellsAndKeepsOursWhereBothChangedOneDifferently) {
    const std::string base = DemoBytes();
    std::string ours = Replaced(base, "Reedbank,         1, 0, 2", "Reedbank,         1, 0, 3");   // food
    ours = Replaced(ours, "Ashfield,         1, 0, 1", "Ashfield,         1, 0, 4");
    std::string theirs = Replaced(base, "Reedbank,         1, 0, 2, 0, 1", "Reedbank,         1, 0, 2, 5, 1");  // shields
    theirs = Replaced(theirs, "Ashfield,         1, 0, 1", "Ashfield,         1, 0, 6");
    theirs = Replaced(theirs, "Ember Lady", "Ember Dame");
    const MergeResult result = MergeFiles(base, ours, theirs, Language::English);
    ASSERT_EQ(result.plan.conflicts.size(), 1u);
    EXPECT_EQ(ConflictText(result.plan.conflicts[0]),
              "Row \"Ashfield\" of TERRAIN: column \"food\" base 1, ours 4, theirs 6");
    EXPECT_EQ(result.plan.conflicts[0].otherSection, "TERRAIN");
    EXPECT_EQ(result.plan.conflicts[0].cell, (CellRef{1, 3, 3}));
    EXPECT_EQ(result.plan.cells.size(), 2u);
    EXPECT_TRUE(result.plan.lines.empty());
    std::string expected = Replaced(ours, "Reedbank,         1, 0, 3, 0, 1", "Reedbank,         1, 0, 3, 5, 1");
    expected = Replaced(expected, "Ember Lady", "Ember Dame");
    EXPECT_EQ(result.bytes, expected);
}

}  // namespace
}  // namespace rules
