// Edits worked out as plans before anything changes: a paste, and a CSV
// file through a spreadsheet and back.
#include <gtest/gtest.h>

#include "rules/document/cp1252.h"
#include "rules/document/rules_document.h"
#include "rules/edits/cell_grid.h"
#include "rules/edits/csv_exchange.h"
#include "rules/edits/delimited_text.h"
#include "rules/edits/table_cells.h"
#include "rules/edits/table_plans.h"
#include "test_files.h"

namespace rules {
namespace {

const char* const kRules =
    "; invented rules for the plans\r\n@COSMIC\r\n3,  ;RoadMove\r\n;\r\n"
    "@CIVILIZE\r\n"
    "Kiln Firing,   8, 1, nil, nil, 0, 3 ; Kln\r\n"
    "Ember Keeping, 3, 0, Kln, nil, 1, 4 ; Emk\r\n"
    ";\r\n@UNITS\r\n"
    "Clay Golem,   nil, 0,1.,0,2a,1d,1h,1f,3,0,0, Emk, 001000000000000\r\n"
    "Raft,         no,  2,1.,0,0a,1d,1h,1f,1,0,4, nil, 000000000000000\r\n"
    "For\xEAt Walker, nil, 0,1.,0,1a,1d,1h,1f,2,0,1, Kln, 100000000000001\r\n"
    ";\r\n";

RulesDocument Parsed() { return testing::DocumentOf(kRules); }

int Column(const char* heading) { return ColumnOfHeading(SectionId::Units, heading); }

// What a spreadsheet on Windows makes of an exported file: flags read as
// numbers lose their leading zeros, every row gets empty cells up to the
// widest one, and the text is saved as Windows-1252.
std::string ThroughASpreadsheet(const std::string& csv) {
    CellRows rows;
    EXPECT_TRUE(SplitDelimited(csv, ',', rows));
    const std::size_t flags = static_cast<std::size_t>(Column("Flags"));
    std::string out;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::vector<std::string> row = rows[r];
        if (r > 0) {
            const std::size_t first = row[flags].find('1');
            row[flags] = first == std::string::npos ? "0" : row[flags].substr(first);
        }
        row.resize(row.size() + 3);
        out += CsvLine(row);
    }
    return Utf8ToCp1252(out).value();
}

TEST(CsvImport, ASpreadsheetRoundTripKeepsEveryValueAndSaysWhatItRestored) {
    RulesDocument document = Parsed();
    const std::string exported = CsvText(document, SectionId::Units);
    ASSERT_NE(exported.find("\r\nFor\xC3\xAAt Walker,nil,Land,"), std::string::npos);

    // Unchanged, the file changes nothing: not as Windows-1252, not as UTF-8
    // with a byte order mark.
    const std::string sheet = ThroughASpreadsheet(exported);
    ASSERT_NE(sheet.find(",1000000000000,"), std::string::npos);
    for (const std::string& bytes : {sheet, "\xEF\xBB\xBF" + Cp1252ToUtf8(sheet)}) {
        const EditPlan plan = PlanCsvImport(document, SectionId::Units, bytes);
        EXPECT_EQ(plan.problem, "");
        EXPECT_TRUE(plan.edits.empty());
    }

    // Edited in the sheet: the raft's attack, and a flag of the golem.
    std::string edited = sheet;
    edited.replace(edited.find("Raft,no,Sea,1,0,0,"), 18, "Raft,no,Sea,1,0,5,");
    edited.replace(edited.find(",1000000000000,"), 15, ",1000000000100,");
    const EditPlan plan = PlanCsvImport(document, SectionId::Units, edited);
    ASSERT_EQ(plan.problem, "");
    ASSERT_EQ(plan.edits.size(), 2u);
    EXPECT_EQ(plan.edits[0].ref, UnitFieldRef(1, UnitField::Flags));
    EXPECT_EQ(plan.edits[0].value, "001000000000100");
    EXPECT_EQ(plan.edits[1].ref, UnitFieldRef(2, UnitField::Attack));
    EXPECT_EQ(plan.edits[1].value, "5");
    EXPECT_EQ(plan.differences, (std::vector<std::string>{
                                    "Clay Golem, Flags: 001000000000000 \xE2\x86\x92 001000000000100",
                                    "Raft, Attack: 0 \xE2\x86\x92 5"}));
    EXPECT_EQ(plan.notes, (std::vector<std::string>{
                              "The file is not UTF-8: it was read as Windows-1252, as spreadsheets "
                              "on Windows write it.",
                              "Row 2 (Clay Golem), column N (Flags): \"1000000000100\" had lost its "
                              "leading zeros: read as 001000000000100.",
                              "1 cell had lost leading zeros and was restored: flags of Raft."}));

    for (const FieldEdit& edit : plan.edits) SetFieldText(document, edit.ref, edit.value);
    std::string expected = exported;
    expected.replace(expected.find("Raft,no,Sea,1,0,0,"), 18, "Raft,no,Sea,1,0,5,");
    expected.replace(expected.find(",001000000000000,"), 17, ",001000000000100,");
    EXPECT_EQ(CsvText(document, SectionId::Units), expected);
}

// A spreadsheet reads "060" as a number and writes it back as "60", in any
// column and any section: the file's spelling is kept, the import says so
// once, and a value that really changed is taken.
TEST(CsvImport, ValuesThatOnlyLostTheirLeadingZerosKeepThemInEveryColumn) {
    const RulesDocument document = testing::DocumentOf(
        std::string(kRules) +
        "; Landmarks: title, cost, advance\r\n@LANDMARKS\r\n"
        "00,          010, Kln ; 007\r\n"
        "Sky Anchor,  060, Emk\r\n"
        "Hall of Tides, 040, Kln\r\n;\r\n");
    const SectionGrid landmarks(document, document.Others().Find("LANDMARKS"));
    ASSERT_EQ(CsvText(landmarks), "title,cost,advance,Comment\r\n00,010,Kln,007\r\n"
                                  "Sky Anchor,060,Emk,\r\nHall of Tides,040,Kln,\r\n");
    EditPlan plan = PlanCsvImport(landmarks, "title,cost,advance,Comment\r\n0,10,Kln,7\r\n"
                                             "Sky Anchor,60,Emk,\r\nHall of Tides,41,Kln,\r\n");
    ASSERT_EQ(plan.problem, "");
    ASSERT_EQ(plan.cells.size(), 1u);
    EXPECT_EQ(plan.cells[0].value, "41");
    EXPECT_EQ(plan.notes, (std::vector<std::string>{
                              "4 cells had lost leading zeros and were restored: title of 00, cost of "
                              "00 and Sky Anchor, comment of 00."}));

    // The designed tables too, and many rows are counted rather than named.
    const RecordGrid units(document, SectionId::Units);
    std::string csv = CsvText(units);
    for (const char* flags : {",001000000000000,", ",000000000000000,", ",100000000000001,"})
        csv.replace(csv.find(flags), 17, std::string(",") + std::to_string(std::stol(flags + 1)) + ",");
    csv.replace(csv.find("Clay Golem,nil,Land,1,0,2,"), 26, "Clay Golem,nil,Land,1,0,3,");
    plan = PlanCsvImport(units, csv);
    ASSERT_EQ(plan.problem, "");
    EXPECT_EQ(plan.differences, (std::vector<std::string>{"Clay Golem, Attack: 2 \u2192 3"}));
    EXPECT_EQ(plan.notes, (std::vector<std::string>{
                              "2 cells had lost leading zeros and were restored: flags of Clay Golem "
                              "and Raft."}));
}

// "no" is not "nil" (an advance no one reaches, not none): exported, it
// reads back as itself, into the same file or into another.
TEST(CsvImport, APrerequisiteNoComesBackAsNo) {
    const RulesDocument other = Parsed();
    RulesDocument document = testing::DocumentOf(
        testing::Replaced(kRules, "0,4, nil, 000000000000000", "0,4, no, 000000000000000"));
    const std::string csv = CsvText(document, SectionId::Units);
    ASSERT_NE(csv.find(",no,000000000000000,"), std::string::npos);
    EXPECT_EQ(PlanCsvImport(document, SectionId::Units, csv).EditCount(), 0);
    const EditPlan plan = PlanCsvImport(other, SectionId::Units, csv);
    ASSERT_EQ(plan.edits.size(), 1u);
    EXPECT_EQ(plan.edits[0].ref, UnitFieldRef(2, UnitField::Prereq));
    EXPECT_EQ(plan.edits[0].value, "no");
}

TEST(CsvImport, ARefusedCellNamesItsRowAndColumnAndNothingChanges) {
    const RulesDocument document = Parsed();
    const std::pair<const char*, const char*> cases[] = {
        {"Name,Attack\r\nRaft,3\r\n\r\nClay Golem,150\r\n",
         "Row 4 (Clay Golem), column B (Attack): 150 is outside 0 to 99."},
        {"Name,,Flags\r\nRaft,,10201\r\n",
         "Row 2 (Raft), column C (Flags): Flags are 15 characters \"0\" or \"1\"."},
        {"Name,Attack\r\nRaft,3,,x\r\n", "Row 2 (Raft), column D: a value under no heading."},
        {"Name,Atack\r\n", "Row 1, column B: the column \"Atack\" is none of this table's."},
        {"Attack\r\n3\r\n", "Row 1: there is no column \"Name\"."},
        {"Name,Attack\r\nRaft,3\r\nRaft,4\r\n",
         "Row 3: \"Raft\" comes more often than the table has it (1 time)."},
        {"Name,Attack\r\n\"Raft,1\r\n", "A quoted cell is never closed."},
    };
    for (const auto& [csv, problem] : cases) {
        const EditPlan plan = PlanCsvImport(document, SectionId::Units, csv);
        EXPECT_EQ(plan.problem, problem);
        EXPECT_TRUE(plan.edits.empty()) << csv;
    }
}

TEST(Paste, IsAllOrNothingAndACopiedRowPastesBackUnchanged) {
    const RulesDocument document = Parsed();
    const std::vector<int> records = {1, 2, 3};
    const std::vector<int> attackOn = {Column("Attack"), Column("Defense")};
    EditPlan plan = PlanPaste(document, SectionId::Units, records, attackOn, {{"5", "2"}, {"150", "2"}});
    EXPECT_EQ(plan.problem, "Raft, Attack: 150 is outside 0 to 99.");
    EXPECT_TRUE(plan.edits.empty());
    plan = PlanPaste(document, SectionId::Units, {3}, attackOn, {{"5"}, {"6"}});
    EXPECT_EQ(plan.problem, "The pasted cells reach beyond the last row shown: 1 row from here, 2 pasted.");
    plan = PlanPaste(document, SectionId::Units, records, {0}, {{"Golem\xE2\x9C\x93"}});
    EXPECT_EQ(plan.problem,
              "Clay Golem, Name: This text holds a character that the rules file (Windows-1252) cannot hold.");
    plan = PlanPaste(document, SectionId::Units, records, attackOn, {{"5", "2"}, {"6", "1"}});
    EXPECT_EQ(plan.problem, "");
    EXPECT_EQ(plan.edits.size(), 3u);  // the raft's defense is 1 already

    // A whole row as the Table shows it, computed columns and all.
    const RecordFigures figures = RecordFigures::Compute(document.Advances(), document.Units());
    std::vector<std::string> row;
    std::vector<int> columns;
    for (int c = 0; c < static_cast<int>(TableColumns(SectionId::Units).size()); ++c) {
        row.push_back(Cp1252ToUtf8(TableCellText(document, figures, SectionId::Units, c, 3)));
        columns.push_back(c);
    }
    plan = PlanPaste(document, SectionId::Units, {3}, columns, ParseTabText(TabText({row})));
    EXPECT_EQ(plan.problem, "");
    EXPECT_TRUE(plan.edits.empty());
}

TEST(DelimitedText, QuotedCellsStayWhole) {
    // As spreadsheets put cells on the clipboard: a final line break ends
    // the last row; quotes keep tabs, breaks and doubled quotes in a cell.
    const CellRows rows = ParseTabText("a\t\"b\tc\"\r\n\"say \"\"hi\"\"\nthere\"\t\r\n");
    EXPECT_EQ(rows, (CellRows{{"a", "b\tc"}, {"say \"hi\"\nthere", ""}}));
    EXPECT_EQ(ParseTabText(TabText(rows)), rows);
    // A quote inside a cell is plain text, and an open one no quoting at all.
    EXPECT_EQ(ParseTabText("5\"\t6\n"), (CellRows{{"5\"", "6"}}));
    EXPECT_EQ(ParseTabText("\"7\t8"), (CellRows{{"\"7", "8"}}));
    EXPECT_EQ(CsvLine({"Raft, small", "3"}), "\"Raft, small\",3\r\n");
}

}  // namespace
}  // namespace rules
