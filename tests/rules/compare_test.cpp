#include "rules/compare/comparison.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "rules/document/rules_document.h"
#include "test_files.h"

namespace rules {
namespace {

using Presence = RecordDifference::Presence;

RulesDocument Parsed(const std::string& bytes, Language language = Language::English) {
    RulesDocument document;
    document.LoadBytes(bytes, language);
    document.Parse();
    return document;
}

// Line 0 comment, 1 header, 2..3 cosmic, 4 ";", 5 comment, 6 header,
// 7..8 advances, 9 ";", 10 header, 11..12 units, 13 ";", 14 trailer.
std::string Rules(const std::string& roads = "3", const std::string& comment = "; between",
                  const std::string& kilnNeeds = "nil", const std::string& ember = "Ember Guard",
                  const std::string& emberAttack = "1") {
    return "; Invented pair\r\n@COSMIC\r\n" + roads + "     ; roads\r\n12    ; rafts\r\n;\r\n" +
           comment +
           "\r\n@CIVILIZE\r\n"
           "Ember Kilns, 2, 0, nil, nil, 0, 4 ; Emk\r\n"
           "Kiln Firing, 3, 0, " +
           kilnNeeds +
           ", nil, 1, 4 ; Kln\r\n;\r\n@UNITS\r\n" + ember + ",nil,0,1.,0," + emberAttack +
           "a,1d,1h,1f,2,0,5,Emk,000000000000000\r\n"
           "Ash Bowman,Kln,0,1.,0,2a,1d,1h,1f,3,0,5,Emk,000000000000000\r\n;\r\ntrailer\r\n";
}

// Every difference as its line of text, in the comparison's order.
std::vector<std::string> Listed(const Comparison& comparison) {
    std::vector<std::string> listed;
    for (const RecordDifference& record : comparison.records) {
        listed.push_back(PresenceText(record));
        for (const FieldDifference& field : record.fields) listed.push_back(DifferenceText(record, field));
    }
    return listed;
}

TEST(Compare, NoiseTheGameIgnoresIsNoDifference) {
    // Column spacing, the cosmic comments and line breaks differ; the values
    // the game reads do not.
    const RulesDocument base = Parsed(Rules());
    std::string respaced = Rules();
    respaced.replace(respaced.find("3     ; roads"), 13, "3 ; Road movement");
    respaced.replace(respaced.find("Ember Kilns, 2"), 14, "Ember Kilns,2");
    const RulesDocument other = Parsed(respaced, Language::French);
    const Comparison comparison = Compare(base, other);
    EXPECT_TRUE(comparison.Empty());
    EXPECT_EQ(SummarySentence(comparison), "No differences.");
    EXPECT_EQ(SummaryLine(comparison), "No differences");
}

TEST(Compare, NamesEachChangedFieldWithBothTextsAndTheOtherLine) {
    const RulesDocument base = Parsed(Rules());
    const RulesDocument other =
        Parsed(Rules("4", "; between, changed", "Emk", "Ember Guards", "2"));
    const Comparison comparison = Compare(base, other);

    ASSERT_EQ(comparison.records.size(), 3u);
    const RecordDifference& cosmic = comparison.records[0];
    EXPECT_EQ(cosmic.section, SectionId::Cosmic);
    EXPECT_EQ(cosmic.otherLine, 2);
    ASSERT_EQ(cosmic.fields.size(), 1u);
    EXPECT_EQ(cosmic.fields[0].ref, CosmicFieldRef(1));
    EXPECT_EQ(DifferenceText(cosmic, cosmic.fields[0]), "Cosmic value RoadMove: 3 -> 4");

    const RecordDifference& kiln = comparison.records[1];
    ASSERT_EQ(kiln.fields.size(), 1u);
    EXPECT_EQ(kiln.fields[0].ref, AdvanceFieldRef(2, AdvanceField::Prereq1));
    EXPECT_EQ(kiln.fields[0].otherLine, 8);
    EXPECT_EQ(DifferenceText(kiln, kiln.fields[0]),
              "Advance \"Kiln Firing\" (Kln): prerequisite 1 nil -> Emk");

    // A rename and an attack in one record: named by the base's name, one
    // difference per field, in field order, each with what "take theirs" copies.
    const RecordDifference& ember = comparison.records[2];
    EXPECT_EQ(ember.record, 1);
    ASSERT_EQ(ember.fields.size(), 2u);
    EXPECT_EQ(DifferenceText(ember, ember.fields[0]),
              "Unit \"Ember Guard\": name \"Ember Guard\" -> \"Ember Guards\"");
    EXPECT_EQ(DifferenceText(ember, ember.fields[1]), "Unit \"Ember Guard\": attack 1 -> 2");
    EXPECT_EQ(ember.fields[1].ref, UnitFieldRef(1, UnitField::Attack));
    EXPECT_EQ(ember.fields[1].after, "2");

    ASSERT_EQ(comparison.lines.size(), 1u);
    EXPECT_EQ(comparison.lines[0].baseLine, 5);
    EXPECT_EQ(comparison.lines[0].otherLine, 5);
    EXPECT_EQ(SummarySentence(comparison),
              "1 unit, 1 advance, 1 cosmic value and 1 other line differ.");
}

TEST(Compare, InsertedLinesAndLongerTablesAreCountedNotSmearedOverTheRest) {
    // Two comment lines inserted at the top shift every later line; a unit
    // appended; an advance the other file lacks.
    const RulesDocument base = Parsed(Rules());
    std::string longer = "; added one\r\n; added two\r\n" + Rules();
    longer.insert(longer.find(";\r\ntrailer"),
                  "Sky Barge,nil,1,4.,0,0a,2d,2h,1f,6,3,5,Kln,000000000000000\r\n");
    longer.erase(longer.find("Kiln Firing"), longer.find(";\r\n@UNITS") - longer.find("Kiln Firing"));
    const RulesDocument other = Parsed(longer);
    const Comparison comparison = Compare(base, other);

    ASSERT_EQ(comparison.records.size(), 2u);
    EXPECT_EQ(comparison.records[0].presence, Presence::OnlyInBase);
    EXPECT_EQ(comparison.records[0].baseLine, 8);
    EXPECT_EQ(PresenceText(comparison.records[0]), "Advance \"Kiln Firing\" (Kln): removed");
    EXPECT_EQ(comparison.records[1].presence, Presence::OnlyInOther);
    EXPECT_EQ(comparison.records[1].otherLine, 14);
    EXPECT_TRUE(comparison.records[1].fields.empty());
    EXPECT_EQ(PresenceText(comparison.records[1]), "Unit \"Sky Barge\": added");

    EXPECT_EQ(comparison.LinesOnlyInOther(), 2);
    EXPECT_EQ(comparison.LinesOnlyInBase(), 0);
    EXPECT_EQ(comparison.LinesChanged(), 0);
    EXPECT_EQ(comparison.lines[1].otherLine, 1);
    EXPECT_EQ(SummarySentence(comparison), "1 unit, 1 advance and 2 other lines differ.");

    // The other way round the same lines are the base's alone.
    const Comparison back = Compare(other, base);
    EXPECT_EQ(back.LinesOnlyInBase(), 2);
    EXPECT_EQ(SummaryLine(back), "1 unit, 1 advance and 2 other lines differ");
}

TEST(Compare, SummaryCountsInTheUsualGrammar) {
    Comparison comparison;
    comparison.lines.push_back({3, 3});
    EXPECT_EQ(SummarySentence(comparison), "1 other line differs.");
    const auto add = [&](SectionId section) {
        RecordDifference record;
        record.section = section;
        comparison.records.push_back(record);
    };
    for (SectionId section : {SectionId::Units, SectionId::Units, SectionId::Units,
                              SectionId::Advances, SectionId::Cosmic, SectionId::Cosmic})
        add(section);
    for (int k = 0; k < 3; ++k) comparison.lines.push_back({-1, 9 + k});
    EXPECT_EQ(SummarySentence(comparison),
              "3 units, 1 advance, 2 cosmic values and 4 other lines differ.");
}

TEST(Compare, FindsEveryEditAndTakingTheirTextsMakesTheTablesAgree) {
    // Random fields of the demo file edited in a copy: the comparison names
    // exactly the edited fields, and copying each difference's text over
    // leaves nothing differing.
    RulesDocument base;
    ASSERT_TRUE(base.Load((std::filesystem::path(EXAMPLES_DIR) / "rules.txt").string(),
                          Language::English));
    base.Parse();
    RulesDocument other = Parsed(base.Lines().SaveBytes());
    std::mt19937 random(19);
    std::set<std::pair<int, std::pair<int, int>>> edited;
    // Kept up to date edit by edit, as an open comparison follows the tables.
    Comparison running = Compare(base, other);
    for (int k = 0; k < 300; ++k) {
        const SectionId section = std::array{SectionId::Cosmic, SectionId::Advances,
                                             SectionId::Units}[random() % 3];
        const FieldRef ref{section, 1 + static_cast<int>(random() % RecordCount(other, section)),
                           static_cast<int>(random() % FieldCount(section))};
        SetFieldText(other, ref, FieldText(other, ref) + "7");
        RecompareRecords(base, other, section, {ref.record}, running);
        edited.insert({static_cast<int>(section), {ref.record, ref.field}});
    }
    const Comparison before = Compare(base, other);
    EXPECT_EQ(Listed(running), Listed(before));
    std::size_t found = 0;
    for (const RecordDifference& record : before.records) {
        for (const FieldDifference& field : record.fields) {
            EXPECT_EQ(edited.count({static_cast<int>(field.ref.section),
                                    {field.ref.record, field.ref.field}}),
                      1u);
            EXPECT_EQ(field.after, FieldText(other, field.ref));
            EXPECT_EQ(field.otherLine, record.otherLine);
            ++found;
        }
    }
    EXPECT_EQ(found, edited.size());
    EXPECT_TRUE(before.lines.empty());

    for (const RecordDifference& record : before.records) {
        for (const FieldDifference& field : record.fields) SetFieldText(base, field.ref, field.after);
        RecompareRecords(base, other, record.section, {record.record}, running);
    }
    EXPECT_TRUE(Compare(base, other).Empty());
    EXPECT_TRUE(running.Empty());
}

}  // namespace
}  // namespace rules
