// The fields of a line being typed are found as the readers find them: over
// a few hundred generated files (spaces, tabs, damaged sections,
// Windows-1252 names), the span of each field of each record line is the
// cell its reader noted, and every column of the field's stretch falls into
// that field.

#include "rules/document/field_spans.h"

#include <gtest/gtest.h>

#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"
#include "rules_file_generator.h"

namespace rules {
namespace {

ValueSpan ReadersSpan(const RulesDocument& doc, SectionId section, int record, int field) {
    const auto f = static_cast<std::size_t>(field);
    switch (section) {
        case SectionId::Cosmic:
            return doc.Cosmic().SavedSpan(record - 1);
        case SectionId::Advances:
            return doc.Advances().SavedLayout(record).at(f);
        case SectionId::Units:
            return doc.Units().SavedLayout(record).at(f);
    }
    return {};
}

void ExpectSpansHoldFields(const RulesDocument& doc, SectionId section, int record, int line) {
    const std::string_view text = doc.Lines().GetLine(line);
    const std::vector<FieldSpan> spans = RecordFieldSpans(section, text);
    ASSERT_EQ(static_cast<int>(spans.size()), FieldCount(section));
    for (int field = 0; field < FieldCount(section); ++field) {
        const ValueSpan reader = ReadersSpan(doc, section, record, field);
        const FieldSpan span = spans[static_cast<std::size_t>(field)];
        EXPECT_EQ(span.begin, reader.cellBegin)
            << "line " << line << " field " << field << ": " << text;
        EXPECT_EQ(span.end, reader.cellEnd)
            << "line " << line << " field " << field << ": " << text;
        if (section == SectionId::Cosmic) continue;  // one field: no separators to count
        for (int column = reader.fieldBegin; column <= reader.fieldEnd; ++column)
            EXPECT_EQ(FieldAtColumn(section, text, column), field)
                << "column " << column << ": " << text;
    }
}

TEST(FieldSpans, EachSpanHoldsWhatTheReaderReadOverGeneratedFiles) {
    testing::RulesFileGenerator generator(27);
    for (int round = 0; round < 300; ++round) {
        RulesDocument doc;
        doc.LoadBytes(generator.Next().bytes, Language::French);
        doc.Parse();
        for (int k = 1; k <= kCosmicCount; ++k)
            if (const int line = doc.Cosmic().LineOf(k - 1); line >= 0)
                ExpectSpansHoldFields(doc, SectionId::Cosmic, k, line);
        for (int k = 1; k <= doc.Advances().Count(); ++k)
            ExpectSpansHoldFields(doc, SectionId::Advances, k, doc.Advances().At(k).line);
        for (int k = 1; k <= doc.Units().Count(); ++k)
            ExpectSpansHoldFields(doc, SectionId::Units, k, doc.Units().At(k).line);
        if (HasFailure()) return;
    }
}

}  // namespace
}  // namespace rules

namespace rules {
namespace {

TEST(FieldSpans, AColumnOfALineBeingTypedFallsIntoTheFieldBeingTyped) {
    const auto at = [](SectionId section, std::string_view line, int column) {
        return FieldAtColumn(section, line, column);
    };
    const std::string_view advance = "For\xEAt \xC9t\xE9, 1, 0, Kl";  // Forêt Été, Windows-1252
    EXPECT_EQ(at(SectionId::Advances, advance, 0), 0);
    EXPECT_EQ(at(SectionId::Advances, advance, 9), 0);  // on the comma: the field before it
    EXPECT_EQ(at(SectionId::Advances, advance, 10), 1);
    EXPECT_EQ(at(SectionId::Advances, advance, 19), static_cast<int>(AdvanceField::Prereq1));
    EXPECT_EQ(at(SectionId::Advances, "A, 1, 0, nil, nil, 0, 3 ; Abc", 27),
              static_cast<int>(AdvanceField::Abbrev));
    EXPECT_EQ(at(SectionId::Units, "Rafter,nil,0,1.,0,0a,1d,1h,1f,3,0,5,", 37),
              static_cast<int>(UnitField::Prereq));
    const std::vector<FieldSpan> spans = RecordFieldSpans(SectionId::Advances, advance);
    EXPECT_EQ(spans[3].begin, 17);
    EXPECT_EQ(spans[3].end, 19);
    EXPECT_EQ(spans[4].begin, spans[4].end);  // not typed yet: empty, at the end
}

}  // namespace
}  // namespace rules
