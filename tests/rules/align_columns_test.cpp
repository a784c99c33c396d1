#include "rules/document/align_columns.h"

#include <gtest/gtest.h>

#include "rules/document/rules_document.h"
#include "rules_file_generator.h"

namespace rules {
namespace {

constexpr const char* kRagged =
    "; aligned by nobody\r\n"
    "@COSMIC\r\n"
    "3 ; roads\r\n"
    "120      ;   rafts\r\n"
    "7,  ;Carried over\r\n"
    ";\r\n"
    "@CIVILIZE\r\n"
    "Tidecraft,8,-1,nil,no,0,1;Tdc\r\n"
    "  Glass   Working , 12 , 0 , Tdc , nil , 1 , 4  ;  Gls\r\n"
    ";\r\n"
    "@UNITS\r\n"
    "Mossrider,nil,0,1.,0,1a,1d,1h,1f,2,0,5,Tdc,000000000000001\r\n"
    "Glass  Lancer ,  Gls,  0, 12.,0,  10a,1d,  1h,1f,12,0,  0, Tdc,  000000000000000 ; spare\r\n"
    ";\r\n"
    "@OTHER\r\n"
    "left ,  alone\r\n";

constexpr const char* kAligned =
    "; aligned by nobody\r\n"
    "@COSMIC\r\n"
    "3   ; roads\r\n"
    "120 ;   rafts\r\n"
    "7,  ;Carried over\r\n"
    ";\r\n"
    "@CIVILIZE\r\n"
    "Tidecraft,        8, -1, nil, no,  0, 1 ; Tdc\r\n"
    "Glass   Working, 12,  0, Tdc, nil, 1, 4 ; Gls\r\n"
    ";\r\n"
    "@UNITS\r\n"
    "Mossrider,     nil, 0,  1., 0,  1a, 1d, 1h, 1f,  2, 0, 5, Tdc, 000000000000001\r\n"
    "Glass  Lancer, Gls, 0, 12., 0, 10a, 1d, 1h, 1f, 12, 0, 0, Tdc, 000000000000000 ; spare\r\n"
    ";\r\n"
    "@OTHER\r\n"
    "left ,  alone\r\n";

TEST(AlignColumns, PadsEachSectionsColumnsAndChangesNoValue) {
    RulesDocument doc;
    doc.LoadBytes(kRagged, Language::English);
    doc.Parse();
    const RulesDocument::Content before = doc.TakeContent();
    EXPECT_EQ(AlignColumns(doc), (std::vector<int>{2, 3, 7, 8, 11, 12}));
    EXPECT_EQ(doc.SaveToBytes(), kAligned);
    EXPECT_FALSE(doc.ValuesChanged());  // the same values
    EXPECT_TRUE(doc.HasUnsavedChanges());  // but other lines to write
    EXPECT_TRUE(AlignColumns(doc).empty());  // aligned stays aligned
    RulesDocument reread;
    reread.LoadBytes(kAligned, Language::English);
    reread.Parse();
    for (int k = 1; k <= 2; ++k) {
        EXPECT_EQ(reread.Units().At(k), before.units.At(k));
        EXPECT_EQ(reread.Advances().At(k), before.advances.At(k));
    }
    for (int p = 0; p < 3; ++p) EXPECT_EQ(reread.Cosmic().Value(p), before.cosmic.Value(p));
}

TEST(AlignColumns, AnUnsavedEditIsAlignedAndStillUndoable) {
    RulesDocument doc;
    doc.LoadBytes(kRagged, Language::English);
    doc.Parse();
    doc.Units().At(1).cost = "14";  // wider than any cost saved
    doc.Cosmic().SetValue(0, "3000");
    AlignColumns(doc);
    std::string expected = kAligned;
    expected.replace(expected.find("3   ; roads"), 11, "3000 ; roads");
    expected.replace(expected.find("120 ;"), 5, "120  ;");
    expected.replace(expected.find("7,  ;"), 5, "7,   ;");
    expected.replace(expected.find("1f,  2, 0"), 9, "1f, 14, 0");
    EXPECT_EQ(doc.SaveToBytes(), expected);
    EXPECT_TRUE(doc.RecordChanged(SectionId::Units, 1));
    // Taking the edits back writes the aligned lines with the saved values.
    doc.Units().At(1).cost = "2";
    doc.Cosmic().SetValue(0, "3");
    EXPECT_FALSE(doc.ValuesChanged());
    const std::string undone = doc.SaveToBytes();
    EXPECT_NE(undone.find("1f,  2, 0"), std::string::npos);
    EXPECT_NE(undone.find("\r\n3    ; roads\r\n"), std::string::npos) << undone;
}

TEST(AlignColumns, GeneratedFilesReadTheSameAndAlignOnce) {
    testing::RulesFileGenerator generator(31);
    for (int i = 0; i < 60; ++i) {
        SCOPED_TRACE("generated file " + std::to_string(i));
        const testing::GeneratedFile file = generator.Next();
        RulesDocument doc;
        doc.LoadBytes(file.bytes, Language::German);
        doc.Parse();
        const RulesDocument::Content before = doc.TakeContent();
        const std::vector<int> changed = AlignColumns(doc);
        for (const int line : changed) ASSERT_EQ(file.recordLines.count(line), 1u) << line;
        const std::string aligned = doc.SaveToBytes();
        RulesDocument reread;
        reread.LoadBytes(aligned, Language::German);
        reread.Parse();
        ASSERT_EQ(reread.Units().Count(), before.units.Count());
        ASSERT_EQ(reread.Advances().Count(), before.advances.Count());
        for (int k = 1; k <= before.units.Count(); ++k)
            ASSERT_EQ(reread.Units().At(k), before.units.At(k));
        for (int k = 1; k <= before.advances.Count(); ++k)
            ASSERT_EQ(reread.Advances().At(k), before.advances.At(k));
        for (int p = 0; p < kCosmicCount; ++p)
            ASSERT_EQ(reread.Cosmic().Value(p), before.cosmic.Value(p));
        ASSERT_TRUE(AlignColumns(reread).empty());
    }
}

}  // namespace
}  // namespace rules
