#include "rules/document/advance_table.h"

#include <gtest/gtest.h>

#include "test_files.h"

#include <string>

namespace rules {
namespace {

using testing::StoreOf;

struct Loaded {
    LineStore store;
    AdvanceTable table;
    Findings findings;
};

Loaded Read(std::string_view bytes) {
    Loaded loaded{StoreOf(bytes), {}, {}};
    loaded.table.Read(loaded.store, loaded.findings);
    return loaded;
}

TEST(AdvanceReader, SqueezesAndSplitsTheEightFields) {
    Loaded l = Read(
        "Free text\r\n@CIVILIZE\r\n"
        "Tide  craft,     3, -2,  nil, no,     0, 1   ; Tdc\r\n"
        "Glass Working,   1,  0,  Tdc, nil,    1, 4   ; Gls  extra\r\n"
        ";\r\n");
    ASSERT_EQ(l.table.Count(), 2);
    const AdvanceRecord& first = l.table.At(1);
    EXPECT_EQ(first.name, "Tide craft");  // a run of spaces in a name keeps one
    EXPECT_EQ(first.aiValue, "3");
    EXPECT_EQ(first.modifier, "-2");
    EXPECT_EQ(first.prereq1, "nil");
    EXPECT_EQ(first.prereq2, "no");
    EXPECT_EQ(first.epoch, "0");
    EXPECT_EQ(first.category, "1");
    EXPECT_EQ(first.abbrev, "Tdc");
    EXPECT_EQ(l.table.At(2).name, "Glass Working");
    EXPECT_EQ(l.table.At(2).abbrev, "Gls extra");  // text after the abbreviation joins it
    EXPECT_EQ(first.Render(), "Tide craft, 3, -2, nil, no, 0, 1 ; Tdc");

    const AdvanceRecord& sentinel = l.table.At(3);
    EXPECT_EQ(sentinel.prereq1, "endend");
    EXPECT_EQ(sentinel.prereq2, "endend");
    EXPECT_EQ(sentinel.abbrev, "endend");
    EXPECT_EQ(sentinel.name, "");
    EXPECT_EQ(l.table.Range().first, 2);
    EXPECT_EQ(l.table.Range().last, 3);
    EXPECT_EQ(l.table.ChoiceNames(),
              (std::vector<std::string>{"nil", "Tide craft", "Glass Working"}));
    EXPECT_EQ(l.table.Names(), (std::vector<std::string>{"Tide craft", "Glass Working"}));
}

TEST(AdvanceReader, MalformedLinesGiveNoRecordAndStayByteExact) {
    Loaded l = Read(
        "x\r\n@CIVILIZE\r\n"
        "Tidecraft, 3, -2, nil, nil, 0, 1 ; Tdc\r\n"
        "; a remark that is longer than five\r\n"  // starts with ";" but is not the end
        "Loomcraft, 1, 0, nil, nil, 0 ; Lmc\r\n"   // five commas
        "Ropework, 1, 0, nil, nil, 0, 2 Rpw\r\n"   // no ";" after the sixth comma
        "      \r\n"                               // spaces only
        "Glass Working, 1, 0, Tdc, nil, 1, 4 ; Gls\r\n"
        ";\r\n");
    EXPECT_EQ(l.table.Count(), 2);
    EXPECT_EQ(l.table.At(2).abbrev, "Gls");
    EXPECT_EQ(l.table.At(2).line, 7);
    ASSERT_EQ(l.findings.size(), 4u);
    for (const Finding& f : l.findings) {
        EXPECT_EQ(f.kind, Finding::Kind::MalformedLine);
        EXPECT_EQ(f.section, SectionId::Advances);
    }
    EXPECT_EQ(l.findings[0].line, 3);
    const std::string before = l.store.SaveBytes();
    l.table.At(1).aiValue = "9";
    l.table.Write(l.store);
    EXPECT_EQ(l.store.GetLine(2), "Tidecraft, 9, -2, nil, nil, 0, 1 ; Tdc");
    for (int i = 3; i <= 6; ++i) EXPECT_EQ(l.store.GetLine(i), StoreOf(before).GetLine(i));
}

TEST(AdvanceReader, ShortLinesInsideTheSectionKeepEveryRecordOnItsOwnLine) {
    Loaded l = Read(
        "x\r\n@CIVILIZE\r\n\r\n"
        "Tidecraft,3,-2,nil,nil,0,1;Tdc\r\n"
        "12345\r\n"
        "Glass Working,1,0,Tdc,nil,1,4;Gls\r\n"
        ";\r\n");
    ASSERT_EQ(l.table.Count(), 2);
    l.table.At(1).epoch = "2";
    l.table.At(2).epoch = "3";
    l.table.Write(l.store);
    EXPECT_EQ(l.store.SaveBytes(),
              "x\r\n@CIVILIZE\r\n\r\nTidecraft,3,-2,nil,nil,2,1;Tdc\r\n12345\r\n"
              "Glass Working,1,0,Tdc,nil,3,4;Gls\r\n;\r\n");
}

TEST(AdvanceReader, NinetyFifthAdvanceIsLeftAsideAndTheSentinelStaysInTheTable) {
    std::string text = "x\r\n@CIVILIZE\r\n";
    for (int i = 1; i <= 96; ++i) {
        text +=
            "Lore" + std::to_string(i) + ", 1, 0, nil, nil, 0, 1 ; L" + std::to_string(i) + "\r\n";
    }
    text += ";\r\n";
    Loaded l = Read(text);
    EXPECT_EQ(l.table.Count(), AdvanceTable::kCapacity);
    EXPECT_EQ(l.table.At(AdvanceTable::kSlots).abbrev, "endend");
    ASSERT_EQ(l.findings.size(), 2u);
    EXPECT_EQ(l.findings[0].kind, Finding::Kind::OverCapacity);
    EXPECT_EQ(l.findings[0].line, 2 + 94);
    l.table.Write(l.store);
    EXPECT_EQ(l.store.GetLine(96), "Lore95, 1, 0, nil, nil, 0, 1 ; L95");  // untouched
    EXPECT_EQ(l.store.GetLine(95), "Lore94, 1, 0, nil, nil, 0, 1 ; L94");
}

TEST(AdvanceReader, UnclosedSectionStopsAtTheNextHeader) {
    Loaded l = Read(
        "x\r\n@CIVILIZE\r\nTidecraft,3,-2,nil,nil,0,1;Tdc\r\n"
        "@UNITS\r\nMossrider,nil,0,1.,0,1a,1d,1h,1f,1,0,0,nil,000000000000000\r\n;\r\n");
    EXPECT_EQ(l.table.Count(), 1);
    ASSERT_EQ(l.findings.size(), 1u);
    EXPECT_EQ(l.findings[0].kind, Finding::Kind::MissingTerminator);
    EXPECT_EQ(l.findings[0].line, 1);  // the section's header line

    Loaded missing = Read("x\r\nTidecraft,3,-2,nil,nil,0,1;Tdc\r\n;\r\n");
    EXPECT_EQ(missing.table.Count(), 0);
    EXPECT_EQ(missing.table.At(1).prereq1, "endend");
    EXPECT_EQ(missing.table.ChoiceNames(), std::vector<std::string>{"nil"});
    ASSERT_EQ(missing.findings.size(), 1u);
    EXPECT_EQ(missing.findings[0].kind, Finding::Kind::MissingHeader);
}

TEST(AdvanceSearches, StopAtTheLastAdvanceAndTakeTheFirstMatch) {
    Loaded l = Read(
        "x\r\n@CIVILIZE\r\n"
        "Tidecraft, 1, 0, nil, nil, 0, 1 ; Tdc\r\n"
        "Glass Working, 1, 0, Tdc, nil, 0, 1 ; Gls\r\n"
        "Reed Boats, 1, 0, nil, Gls, 0, 1 ; Rdb\r\n"
        "Tidecraft, 1, 0, Gls, Tdc, 0, 1 ; Td2\r\n"
        ";\r\n");
    EXPECT_EQ(l.table.FindByName("Tidecraft"), 1);
    EXPECT_EQ(l.table.FindByAbbrev("Rdb"), 3);
    EXPECT_EQ(l.table.FindByAbbrev("endend"), 0);  // the sentinel is never found
    EXPECT_EQ(l.table.FindByName(""), 0);          // nor is its empty name
    EXPECT_EQ(l.table.FindNextTarget(1), 2);       // lowest number wins
    EXPECT_EQ(l.table.FindNextTarget(2), 3);
    EXPECT_EQ(l.table.FindNextTarget(3), 0);
    EXPECT_EQ(l.table.FindNextTarget(0), 0);
    EXPECT_EQ(l.table.FindNextTarget(99), 0);
}

TEST(AdvanceSearches, RecordThatEndsTheNextTargetScanIsStillOffered) {
    Loaded l = Read(
        "x\r\n@CIVILIZE\r\n"
        "Tidecraft, 1, 0, nil, nil, 0, 1 ; Tdc\r\n"
        "Glass Working, 1, 0, endend, Tdc, 0, 1 ; Gls\r\n"
        "Reed Boats, 1, 0, Tdc, nil, 0, 1 ; Rdb\r\n"
        ";\r\n");
    EXPECT_EQ(l.table.FindNextTarget(1), 2);  // its prereq2 names Tidecraft
    EXPECT_EQ(l.table.FindNextTarget(3), 0);  // the scan ended before anything named it
}

}  // namespace
}  // namespace rules
