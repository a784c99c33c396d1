// The three-way merge over generated files, damaged ones included: each
// side gets random edits of fields and of the lines around the records
// (lines changed, removed and added), and the merge must bring every edit
// of THEIRS onto OURS when the two sides touched different things.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <set>

#include "rules/compare/comparison.h"
#include "rules/compare/merge.h"
#include "rules/document/rules_document.h"
#include "rules_file_generator.h"

namespace rules {
namespace {

constexpr SectionId kSections[] = {SectionId::Cosmic, SectionId::Advances, SectionId::Units};

// One side's edits, by BASE's line numbers.
struct Edits {
    std::vector<std::pair<FieldRef, std::string>> fields;
    std::map<int, std::string> replaced;
    std::set<int> removed;
    std::map<int, std::string> addedAfter;  // one short line after a line

    void Add(const Edits& other) {
        fields.insert(fields.end(), other.fields.begin(), other.fields.end());
        replaced.insert(other.replaced.begin(), other.replaced.end());
        removed.insert(other.removed.begin(), other.removed.end());
        addedAfter.insert(other.addedAfter.begin(), other.addedAfter.end());
    }
};

RulesDocument Parsed(std::string_view bytes) {
    RulesDocument document;
    document.LoadBytes(bytes, Language::English);
    document.Parse();
    return document;
}

// BASE with the edits made: the fields as a save writes them, then the lines.
std::string Edited(const std::string& base, const Edits& edits) {
    RulesDocument document = Parsed(base);
    for (const auto& [ref, text] : edits.fields) SetFieldText(document, ref, text);
    document.SaveToBytes();
    const LineStore& lines = document.Lines();
    std::string out;
    for (int line = 0; line < lines.LineCount(); ++line) {
        if (edits.removed.count(line) == 0) {
            const auto replaced = edits.replaced.find(line);
            out += replaced != edits.replaced.end() ? replaced->second : std::string(lines.GetLine(line));
            out += "\r\n";
        }
        if (const auto added = edits.addedAfter.find(line); added != edits.addedAfter.end())
            out += added->second + "\r\n";
    }
    return out;
}

// Random edits of the records and lines `owns` picks. A field becomes a
// number (which every field reads back as it is); a remark line (one
// starting with ";", long enough to be read as data inside a section, and
// so set aside there) is changed or removed; a line too short to be data is
// added. None of these moves a section or a record.
Edits RandomEdits(const RulesDocument& base, std::mt19937& random, char side,
                  const std::function<bool(int line)>& owns) {
    Edits edits;
    const auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    for (const SectionId section : kSections) {
        for (int record = 1; record <= RecordCount(base, section); ++record) {
            const int line = RecordLine(base, section, record);
            if (line < 0 || !owns(line) || !chance(30)) continue;
            const FieldRef ref{section, record, static_cast<int>(random() % FieldCount(section))};
            edits.fields.push_back({ref, std::to_string(1000 + random() % 9000)});
        }
    }
    const LineStore& lines = base.Lines();
    std::set<int> recordLines;
    for (const SectionId section : kSections)
        for (int record = 1; record <= RecordCount(base, section); ++record)
            recordLines.insert(RecordLine(base, section, record));
    for (int line = 0; line < lines.LineCount(); ++line) {
        if (!owns(line)) continue;
        const std::string_view text = lines.GetLine(line);
        if (recordLines.count(line) == 0 && text.size() >= 6 && text[0] == ';' && chance(40)) {
            // Line 0 stays: the sections' headers are looked for after it.
            if (chance(50) || line == 0)
                edits.replaced[line] = std::string("; ") + side + " edited " + std::to_string(line);
            else
                edits.removed.insert(line);
        } else if (chance(8)) {
            edits.addedAfter[line] = std::string(";") + side + std::to_string(random() % 100);
        }
    }
    return edits;
}

void ExpectSameContent(const std::string& expected, const std::string& merged) {
    const Comparison comparison = Compare(Parsed(expected), Parsed(merged));
    EXPECT_TRUE(comparison.Empty()) << SummarySentence(comparison);
}

TEST(MergeProperty, AnUnchangedSideGivesTheOtherAndASideMergedWithItselfGivesIt) {
    testing::RulesFileGenerator generator(2512);
    std::mt19937 random(11);
    for (int i = 0; i < 60; ++i) {
        SCOPED_TRACE("generated file " + std::to_string(i));
        const std::string base = generator.Next().bytes;
        RulesDocument baseDocument = Parsed(base);
        const std::string side = Edited(base, RandomEdits(baseDocument, random, 'x', [](int) { return true; }));
        const RulesDocument sideDocument = Parsed(side);

        // Taken whole, but with ours's line breaks: those of the generated
        // file, which the edits turned into CR LF.
        const std::string taken = MergeFiles(base, base, side, Language::English).bytes;
        EXPECT_TRUE(Parsed(taken).Lines().SameLines(sideDocument.Lines()));
        EXPECT_EQ(Parsed(taken).SaveToBytes(), Parsed(side).SaveToBytes());
        EXPECT_EQ(MergeFiles(base, side, base, Language::English).bytes, side);
        EXPECT_EQ(MergeFiles(base, side, side, Language::English).bytes, side);

        // Beyond the shortcuts: nothing to take from an unchanged THEIRS or
        // from THEIRS equal to OURS, and everything from THEIRS onto BASE.
        for (const MergePlan& nothing : {PlanMerge(baseDocument, sideDocument, baseDocument),
                                         PlanMerge(baseDocument, sideDocument, sideDocument)}) {
            EXPECT_EQ(nothing.Changes(), 0);
            EXPECT_TRUE(nothing.Clean()) << ConflictText(nothing.conflicts.front());
        }
        const MergePlan all = PlanMerge(baseDocument, baseDocument, sideDocument);
        EXPECT_TRUE(all.Clean()) << ConflictText(all.conflicts.front());
        ExpectSameContent(side, ApplyMerge(baseDocument, all));
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(MergeProperty, EditsOfDifferentFieldsAndLinesOnBothSidesAllArrive) {
    testing::RulesFileGenerator generator(77);
    std::mt19937 random(3);
    for (int i = 0; i < 100; ++i) {
        SCOPED_TRACE("generated file " + std::to_string(i));
        const std::string base = generator.Next().bytes;
        const RulesDocument baseDocument = Parsed(base);
        // Each line, and the record on it, belongs to one side.
        std::vector<bool> ourLine(static_cast<std::size_t>(baseDocument.Lines().LineCount()));
        for (auto&& mine : ourLine) mine = random() % 2 == 0;
        const auto ours = [&](int line) { return ourLine[static_cast<std::size_t>(line)]; };
        const Edits oursEdits = RandomEdits(baseDocument, random, 'o', ours);
        const Edits theirsEdits = RandomEdits(baseDocument, random, 't', [&](int line) { return !ours(line); });
        Edits both = oursEdits;
        both.Add(theirsEdits);

        const MergeResult result = MergeFiles(base, Edited(base, oursEdits), Edited(base, theirsEdits),
                                              Language::English);
        EXPECT_TRUE(result.plan.Clean()) << ConflictText(result.plan.conflicts.front());
        ExpectSameContent(Edited(base, both), result.bytes);
        if (::testing::Test::HasFailure()) return;
    }
}

}  // namespace
}  // namespace rules
