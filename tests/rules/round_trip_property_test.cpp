// Load-and-save over a few hundred generated files: without edits the file
// comes back as it was (line breaks made CR LF); with edits exactly the lines
// of the edited records change; saving the saved file gives the same bytes.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"
#include "rules_file_generator.h"

namespace rules {
namespace {

std::set<int> DocumentRecordLines(const RulesDocument& doc) {
    std::set<int> lines;
    for (int k = 0; k < kCosmicCount; ++k) {
        if (doc.Cosmic().LineOf(k) >= 0) lines.insert(doc.Cosmic().LineOf(k));
    }
    for (int k = 1; k <= doc.Advances().Count(); ++k) lines.insert(doc.Advances().At(k).line);
    for (int k = 1; k <= doc.Units().Count(); ++k) lines.insert(doc.Units().At(k).line);
    return lines;
}

void ExpectSameTables(const RulesDocument& a, const RulesDocument& b) {
    for (int k = 0; k < kCosmicCount; ++k)
        EXPECT_EQ(a.Cosmic().Value(k), b.Cosmic().Value(k)) << "cosmic " << k;
    ASSERT_EQ(a.Advances().Count(), b.Advances().Count());
    for (int k = 1; k <= a.Advances().Count() + 1; ++k)
        EXPECT_EQ(a.Advances().At(k), b.Advances().At(k)) << k;
    ASSERT_EQ(a.Units().Count(), b.Units().Count());
    for (int k = 1; k <= a.Units().Count(); ++k) EXPECT_EQ(a.Units().At(k), b.Units().At(k)) << k;
    ASSERT_EQ(a.GetFindings().size(), b.GetFindings().size());
    for (std::size_t i = 0; i < a.GetFindings().size(); ++i) {
        EXPECT_EQ(a.GetFindings()[i].kind, b.GetFindings()[i].kind);
        EXPECT_EQ(a.GetFindings()[i].line, b.GetFindings()[i].line);
    }
}

void CheckRoundTrip(const testing::GeneratedFile& file, Language language) {
    RulesDocument doc;
    doc.LoadBytes(file.bytes, language);
    ASSERT_EQ(doc.Lines().LineCount(), file.lineCount);
    doc.Parse();
    // The readers take exactly the lines the generator meant as records.
    ASSERT_EQ(DocumentRecordLines(doc), file.recordLines);

    LineStore original;
    original.LoadBytes(file.bytes);
    const std::string saved = doc.SaveToBytes();
    ASSERT_EQ(saved, original.SaveBytes());
    LineStore reloaded;
    reloaded.LoadBytes(saved);
    ASSERT_EQ(reloaded.LineCount(), file.lineCount);
    for (int i = 0; i < file.lineCount; ++i) {
        if (file.recordLines.count(i) == 0) {
            ASSERT_EQ(reloaded.GetLine(i), original.GetLine(i)) << "line " << i;
        }
    }
    EXPECT_EQ(reloaded.EndsWithLineBreak(), original.EndsWithLineBreak());

    RulesDocument again;
    again.LoadBytes(saved, language);
    again.Parse();
    ExpectSameTables(doc, again);
    ASSERT_EQ(again.SaveToBytes(), saved);
}

TEST(RoundTripProperty, SavingWithoutEditsTouchesOnlyRecordLinesAndIsStable) {
    testing::RulesFileGenerator generator(20261208);
    for (int i = 0; i < 300; ++i) {
        SCOPED_TRACE("generated file " + std::to_string(i));
        const testing::GeneratedFile file = generator.Next();
        CheckRoundTrip(file, LanguageFromIndex(i % kLanguageCount));
        if (::testing::Test::HasFatalFailure()) return;
    }
}

// The line a record was read from (a cosmic value: its position's line).
int LineOfRecord(const RulesDocument& doc, SectionId section, int record) {
    switch (section) {
        case SectionId::Units: return doc.Units().At(record).line;
        case SectionId::Advances: return doc.Advances().At(record).line;
        case SectionId::Cosmic: return doc.Cosmic().LineOf(record - 1);
    }
    return -1;
}

TEST(RoundTripProperty, EditsChangeExactlyTheLinesOfTheEditedRecords) {
    testing::RulesFileGenerator generator(99);
    std::mt19937 random(5);
    for (int i = 0; i < 150; ++i) {
        SCOPED_TRACE("generated file " + std::to_string(i));
        const testing::GeneratedFile file = generator.Next();
        RulesDocument doc;
        doc.LoadBytes(file.bytes, LanguageFromIndex(i % kLanguageCount));
        doc.Parse();
        // A few edits, some of them setting a field to the text it holds or
        // changing a field and changing it back: neither is a change.
        std::set<int> changedLines;
        const SectionId sections[] = {SectionId::Cosmic, SectionId::Advances, SectionId::Units};
        for (int e = 0; e < 6; ++e) {
            const SectionId section = sections[random() % 3];
            const int count = RecordCount(doc, section);
            if (count == 0 || LineOfRecord(doc, section, 1) < 0) continue;
            const FieldRef ref{section, 1 + static_cast<int>(random() % count),
                               static_cast<int>(random() % FieldCount(section))};
            if (LineOfRecord(doc, section, ref.record) < 0) continue;
            const std::string old = FieldText(doc, ref);
            switch (random() % 3) {
                case 0: SetFieldText(doc, ref, old); break;
                case 1:
                    SetFieldText(doc, ref, old + "7");
                    SetFieldText(doc, ref, old);
                    break;
                default:
                    SetFieldText(doc, ref, old + "7");
                    changedLines.insert(LineOfRecord(doc, section, ref.record));
            }
        }
        LineStore original;
        original.LoadBytes(file.bytes);
        LineStore saved;
        saved.LoadBytes(doc.SaveToBytes());
        ASSERT_EQ(saved.LineCount(), original.LineCount());
        for (int line = 0; line < original.LineCount(); ++line) {
            EXPECT_EQ(saved.GetLine(line) != original.GetLine(line), changedLines.count(line) == 1)
                << "line " << line << ": " << original.GetLine(line);
        }
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(RoundTripProperty, WellFormedFilesGiveNoFindings) {
    testing::GeneratorOptions options;
    options.allowDamage = false;
    testing::RulesFileGenerator generator(7, options);
    for (int i = 0; i < 50; ++i) {
        const testing::GeneratedFile file = generator.Next();
        RulesDocument doc;
        doc.LoadBytes(file.bytes, Language::English);
        doc.Parse();
        EXPECT_TRUE(doc.GetFindings().empty())
            << "file " << i << ": " << Describe(doc.GetFindings().front());
        CheckRoundTrip(file, Language::English);
    }
}

TEST(RoundTripProperty, GeneratorIsDeterministic) {
    testing::RulesFileGenerator a(42);
    testing::RulesFileGenerator b(42);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a.Next().bytes, b.Next().bytes);
    EXPECT_EQ(testing::RulesFileGenerator::LargeFile(500, 3),
              testing::RulesFileGenerator::LargeFile(500, 3));
}

}  // namespace
}  // namespace rules
