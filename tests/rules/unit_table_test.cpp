#include "rules/document/unit_table.h"

#include <gtest/gtest.h>

#include "test_files.h"

#include <string>

namespace rules {
namespace {

using testing::StoreOf;

constexpr const char* kBuggyLine =
    "Dune Buggy,  no, 0,2.,0,  1a,1d,  1h,1f,2,0,  5, Xyz,  000000000000001";

TEST(UnitReader, SqueezesFiltersDigitsAndRendersTheFixedLetters) {
    UnitRecord unit;
    ASSERT_TRUE(UnitTable::ParseLine(kBuggyLine, unit));
    const std::vector<std::string> fields = {
        unit.name,   unit.obsoleteBy, unit.domain,    unit.moves,     unit.rounds,
        unit.attack, unit.defense,    unit.hitPoints, unit.firepower, unit.cost,
        unit.hold,   unit.role,       unit.prereq,    unit.flags};
    EXPECT_EQ(fields, (std::vector<std::string>{"Dune Buggy", "no", "0", "2", "0", "1", "1", "1",
                                                "1", "2", "0", "5", "Xyz", "000000000000001"}));
    EXPECT_EQ(unit.Render(), "Dune Buggy,no,0,2.,0,1a,1d,1h,1f,2,0,5,Xyz,000000000000001");
}

TEST(UnitReader, DigitFieldsDropEverythingElseAndFlagsTakeTheRestOfTheLine) {
    UnitRecord unit;
    ASSERT_TRUE(UnitTable::ParseLine(
        "Glass Lancer 2,nil,-3,x.,0,12a,1d,1h,1f,2,0,5,Tdc,0101,extra 7", unit));
    EXPECT_EQ(unit.name, "Glass Lancer 2");  // a space next to a digit stays
    EXPECT_EQ(unit.domain, "3");
    EXPECT_EQ(unit.moves, "");
    EXPECT_EQ(unit.attack, "12");
    EXPECT_EQ(unit.flags, "01017");
    EXPECT_EQ(unit.Render(), "Glass Lancer 2,nil,3,.,0,12a,1d,1h,1f,2,0,5,Tdc,01017");
}

TEST(UnitReader, LinesOutsideTheRecordsStayAsTheyWere) {
    LineStore store = StoreOf(
        "top\r\n@UNITS\r\n"
        "Mossrider,  nil,0,1.,0,1a,1d,1h,1f,1,0,0,nil,000000000000000\r\n"
        "  \r\n"                                             // short line inside the section
        "Glass Lancer,nil,0,1.,0,1a,1d,1h,1f,1,0,0,nil\r\n"  // 12 commas: malformed
        "Reedskiff,Tdc,2,3.,0,1a,1d,1h,1f,4,2,5,nil,000000000000100\r\n"
        ";\r\n@OTHER\r\nfree text, with, commas, , , , , , , , , , , , ,\r\n");
    UnitTable table;
    Findings findings;
    table.Read(store, findings);
    ASSERT_EQ(table.Count(), 2);
    EXPECT_EQ(table.At(2).line, 5);
    EXPECT_EQ(table.Range().first, 2);
    EXPECT_EQ(table.Range().last, 5);
    EXPECT_EQ(table.Names(), (std::vector<std::string>{"Mossrider", "Reedskiff"}));
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].kind, Finding::Kind::MalformedLine);
    EXPECT_EQ(findings[0].line, 4);

    table.At(2).attack = "3";
    table.Write(store);
    EXPECT_EQ(store.SaveBytes(),
              "top\r\n@UNITS\r\n"
              "Mossrider,  nil,0,1.,0,1a,1d,1h,1f,1,0,0,nil,000000000000000\r\n"  // unchanged
              "  \r\n"
              "Glass Lancer,nil,0,1.,0,1a,1d,1h,1f,1,0,0,nil\r\n"
              "Reedskiff,Tdc,2,3.,0,3a,1d,1h,1f,4,2,5,nil,000000000000100\r\n"
              ";\r\n@OTHER\r\nfree text, with, commas, , , , , , , , , , , , ,\r\n");
}

TEST(UnitReader, FiftyFifthUnitIsLeftAside) {
    std::string text = "x\r\n@UNITS\r\n";
    for (int i = 1; i <= 55; ++i)
        text += "Unit" + std::to_string(i) + ",nil,0,1.,0,1a,1d,1h,1f,1,0,0,nil,0\r\n";
    LineStore store = StoreOf(text + ";\r\n");
    UnitTable table;
    Findings findings;
    table.Read(store, findings);
    EXPECT_EQ(table.Count(), UnitTable::kCapacity);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].kind, Finding::Kind::OverCapacity);
    EXPECT_EQ(findings[0].line, 56);
    table.Write(store);
    EXPECT_EQ(store.GetLine(56), "Unit55,nil,0,1.,0,1a,1d,1h,1f,1,0,0,nil,0");
}

TEST(UnitReader, EmptyOrUnclosedSections) {
    UnitTable table;
    Findings findings;
    table.Read(StoreOf("x\r\n@UNITS\r\n;\r\n"), findings);
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(table.Range().last, 0);
    EXPECT_TRUE(findings.empty());

    // Without its ";" the section ends with the file.
    table.Read(StoreOf("x\r\n@UNITS\r\nMossrider,nil,0,1.,0,1a,1d,1h,1f,1,0,0,nil,0"), findings);
    EXPECT_EQ(table.Count(), 1);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].kind, Finding::Kind::MissingTerminator);
    EXPECT_EQ(findings[0].line, 1);
}

TEST(UnitFlags, CheckBoxKIsCharacterSixteenMinusK) {
    std::string flags = "000000000000001";
    EXPECT_TRUE(FlagIsSet(flags, 1));
    EXPECT_FALSE(FlagIsSet(flags, 15));
    SetFlag(flags, 15, true);
    EXPECT_EQ(flags, "100000000000001");
    SetFlag(flags, 1, false);
    EXPECT_EQ(flags, "100000000000000");
    SetFlag(flags, 0, true);   // no such box
    SetFlag(flags, 16, true);  // no such box
    EXPECT_EQ(flags, "100000000000000");

    std::string odd = "00000000000002x";
    EXPECT_FALSE(FlagIsSet(odd, 1));
    SetFlag(odd, 2, true);
    SetFlag(odd, 2, false);
    EXPECT_EQ(odd, "00000000000000x");
}

TEST(UnitFlags, ShortFlagsReadAsPaddedAndArePaddedOnFirstWrite) {
    std::string flags = "1";
    EXPECT_TRUE(FlagIsSet(flags, 1));
    EXPECT_FALSE(FlagIsSet(flags, 2));
    SetFlag(flags, 3, true);
    EXPECT_EQ(flags, "000000000000101");
    std::string empty;
    EXPECT_FALSE(FlagIsSet(empty, 15));
    SetFlag(empty, 15, true);
    EXPECT_EQ(empty, "100000000000000");
    // A longer text is counted from the left, like a 15-character one.
    std::string longer = "0000000000000011";
    EXPECT_TRUE(FlagIsSet(longer, 1));
    EXPECT_FALSE(FlagIsSet(longer, 2));
    SetFlag(longer, 15, true);
    EXPECT_EQ(longer, "1000000000000011");
}

}  // namespace
}  // namespace rules
