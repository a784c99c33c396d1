// The Source page's view of the file: the text a save would write, found
// in without regard to letter case, cut into the pieces it colours.
#include <gtest/gtest.h>

#include <random>

#include "rules/document/record_fields.h"
#include "rules/source/line_pieces.h"
#include "rules/source/text_finder.h"
#include "rules/source/written_lines.h"
#include "rules_file_generator.h"
#include "test_files.h"

namespace rules {
namespace {

std::string Joined(const WrittenLines& lines, bool endsWithBreak) {
    std::string out;
    for (int i = 0; i < lines.LineCount(); ++i) {
        out += lines.Line(i);
        if (i + 1 < lines.LineCount() || endsWithBreak) out += "\r\n";
    }
    return out;
}

// Whatever a save writes for a changed record, damaged files and undone
// changes included, the lines shown are those bytes, and only the lines of
// records still changed are marked.
TEST(WrittenLines, AreTheBytesASaveWritesWithTheChangedRecordsMarked) {
    testing::RulesFileGenerator generator(41);
    std::mt19937 random(3);
    for (int i = 0; i < 60; ++i) {
        SCOPED_TRACE("generated file " + std::to_string(i));
        RulesDocument doc;
        doc.LoadBytes(generator.Next().bytes, Language::English);
        doc.Parse();
        for (int e = 0; e < 5; ++e) {
            const SectionId section = static_cast<SectionId>(random() % 3);
            const int count = RecordCount(doc, section);
            if (count == 0) continue;
            const FieldRef ref{section, 1 + static_cast<int>(random() % count),
                               static_cast<int>(random() % FieldCount(section))};
            const std::string old = FieldText(doc, ref);
            SetFieldText(doc, ref, old + "7");
            if (random() % 3 == 0) SetFieldText(doc, ref, old);
        }
        WrittenLines lines;
        lines.Take(doc);
        RulesDocument copy = doc;
        EXPECT_EQ(Joined(lines, doc.Lines().EndsWithLineBreak()), copy.SaveToBytes());
        for (int line = 0; line < lines.LineCount(); ++line)
            EXPECT_EQ(lines.Unsaved(line), lines.Line(line) != lines.SavedLine(line)) << line;
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(TextFinder, FindsWithoutLetterCaseRoundTheEndBothWays) {
    RulesDocument doc = testing::DocumentOf(
        "Ember \xC9tang ember\r\n"  // "Étang"
        "nothing here\r\n"
        "an EMBER and an \xE9tang\r\n");
    WrittenLines lines;
    lines.Take(doc);
    const TextFinder ember("eMbEr");
    EXPECT_EQ(CountMatches(lines, ember, 100), 3u);
    EXPECT_EQ(CountMatches(lines, ember, 2), 2u);
    EXPECT_EQ(CountMatches(lines, TextFinder("\xC9TANG"), 100), 2u);

    TextPlace at = FindText(lines, ember, {0, 0}, false, true);
    EXPECT_EQ(at, (TextPlace{0, 0}));
    at = FindText(lines, ember, at, false);
    EXPECT_EQ(at, (TextPlace{0, 12}));
    at = FindText(lines, ember, at, false);
    EXPECT_EQ(at, (TextPlace{2, 3}));
    at = FindText(lines, ember, at, false);  // round the end
    EXPECT_EQ(at, (TextPlace{0, 0}));
    at = FindText(lines, ember, at, true);  // and back
    EXPECT_EQ(at, (TextPlace{2, 3}));
    EXPECT_EQ(FindText(lines, ember, {1, 0}, true), (TextPlace{0, 12}));
    // The one match is found again from itself; nothing is found for a text
    // no line holds.
    const TextFinder nothing("nothing");
    EXPECT_EQ(FindText(lines, nothing, {1, 0}, false), (TextPlace{1, 0}));
    EXPECT_FALSE(FindText(lines, TextFinder("absent"), {0, 0}, false).Found());
}

// Wherever a match stands in a line, in the blocks of sixteen places tried
// at once, at their edges or in the last few places, it is found, and
// nothing past the end of the line is.
TEST(TextFinder, FindsAMatchAtEveryPlaceOfALine) {
    const TextFinder finder("tIdE");
    for (std::size_t before = 0; before < 40; ++before) {
        for (std::size_t after = 0; after < 20; ++after) {
            const std::string line = std::string(before, 't') + "TiDe" + std::string(after, 'i');
            ASSERT_EQ(finder.Next(line), before) << before << " " << after;
            ASSERT_EQ(finder.Next(line, before + 1), TextFinder::npos);
            ASSERT_EQ(finder.Previous(line, line.size()), before);
            ASSERT_EQ(finder.Next(std::string_view(line).substr(0, before + 3)), TextFinder::npos);
        }
    }
}

TEST(LinePieces, TellValuesCommentsAndAnAdvancesAbbreviationApart) {
    std::vector<LinePiece> pieces;
    auto kinds = [&](std::string_view line, bool advance) {
        SplitLine(line, advance, pieces);
        std::string out;
        std::size_t covered = 0;
        for (const LinePiece& p : pieces) {
            EXPECT_EQ(p.begin, covered);
            covered = p.end;
            out += "HCNTS"[static_cast<int>(p.kind)];
        }
        EXPECT_EQ(covered, line.size());
        return out;
    };
    EXPECT_EQ(kinds("@UNITS", false), "H");
    EXPECT_EQ(kinds("3     ; roads, rafts", false), "NSC");
    EXPECT_EQ(kinds("Tidecraft,  8, -1, nil ; Tdc", true), "TSNSNSTST");
    EXPECT_EQ(kinds("Tidecraft,  8, -1, nil ; Tdc", false), "TSNSNSTSC");
    EXPECT_EQ(kinds("Mossrider,\t1a,1d,  000000000000001", false), "TSNSNSN");
    EXPECT_EQ(kinds("  ; a remark", false), "SC");
}

}  // namespace
}  // namespace rules
