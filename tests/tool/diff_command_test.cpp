#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/tool/tool.h"
#include "test_files.h"
#include "tool_outcome.h"

namespace tool {
namespace {

using rules::testing::ReadBytes;
using rules::testing::Replaced;
using rules::testing::ScratchDir;
using rules::testing::WriteBytes;

// Lines counted from 1: 1 comment, 2 header, 3..4 cosmic, 5 ";", 6 comment,
// 7 header, 8..9 advances, 10 ";", 11 header, 12..13 units, 14 ";".
const std::string kBase =
    "; Invented base\r\n@COSMIC\r\n3     ; roads\r\n12    ; rafts\r\n;\r\n"
    "; the advances\r\n@CIVILIZE\r\n"
    "Ember Kilns, 2, 0, nil, nil, 0, 4 ; Emk\r\n"
    "Kiln Firing, 3, 0, nil, nil, 1, 4 ; Kln\r\n;\r\n@UNITS\r\n"
    "Ember Guard,nil,0,1.,0,1a,1d,1h,1f,2,0,5,Emk,000000000000000\r\n"
    "Ash Bowman,Kln,0,1.,0,2a,1d,1h,1f,3,0,5,Emk,000000000000000\r\n;\r\n";

TEST(DiffCommand, NamesEachEditAtItsLineInOtherAndExitsAsDiff) {
    ScratchDir dir;
    const std::string base = dir / "base.ger";  // the names choose nothing
    const std::string mod = dir / "mod";
    // A rename to a name outside ASCII, a prerequisite, a cosmic value (its
    // comment rewritten too, which the game ignores) and a changed comment.
    std::string modBytes = Replaced(kBase, "Ember Guard,", "Ember Gu\xE9rd,");
    modBytes = Replaced(modBytes, "3, 0, nil", "3, 0, Emk");
    modBytes = Replaced(modBytes, "3     ; roads", "4 ; road moves");
    modBytes = Replaced(modBytes, "; the advances", "; the advances, reworked");
    WriteBytes(base, kBase);
    WriteBytes(mod, modBytes);

    const Outcome run = Tool({"diff", base, mod});
    EXPECT_EQ(run.status, kExitProblems);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, mod + ":3: Cosmic value RoadMove: 3 -> 4\n" +  //
                           mod + ":6: line differs\n" +  //
                           mod + ":9: Advance \"Kiln Firing\" (Kln): prerequisite 1 nil -> Emk\n" +
                           mod + ":12: Unit \"Ember Guard\": name \"Ember Guard\" -> \"Ember Gu\u00e9rd\"\n"
                           "1 unit, 1 advance, 1 cosmic value and 1 other line differ.\n");
    EXPECT_EQ(ReadBytes(base), kBase);  // neither file is written
    EXPECT_EQ(ReadBytes(mod), modBytes);

    const Outcome same = Tool({"diff", base, base});
    EXPECT_EQ(same.status, kExitOk);
    EXPECT_EQ(same.out, "No differences.\n");

    for (const Arguments& wrong : {Arguments{"diff", base}, Arguments{"diff", base, mod, mod},
                                   Arguments{"diff", "--format=xml", base, mod},
                                   Arguments{"diff", "-q", base, mod}}) {
        const Outcome refused = Tool(wrong);
        EXPECT_EQ(refused.status, kExitFailure) << ::testing::PrintToString(wrong);
        EXPECT_EQ(refused.out, "");
        EXPECT_NE(refused.err.find("usage: ovantra-rules diff BASE OTHER"), std::string::npos);
    }
    // Every file that cannot be read is named, in one run.
    const Outcome missing = Tool({"diff", dir / "gone", dir / "absent"});
    EXPECT_EQ(missing.status, kExitFailure);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "ovantra-rules: Cannot open file " + (dir / "gone") +
                               ".\novantra-rules: Cannot open file " + (dir / "absent") + ".\n");
}

TEST(DiffCommand, FilesOfDifferentLengthCountTheLinesOneLacks) {
    ScratchDir dir;
    const std::string base = dir / "base.txt";
    const std::string mod = dir / "mod.txt";
    // Two comment lines more at the top, a unit more, an advance less: no
    // later line differs for being shifted.
    std::string modBytes = "; my mod\r\n; version 2\r\n" +
                           Replaced(kBase, "Kiln Firing, 3, 0, nil, nil, 1, 4 ; Kln\r\n", "");
    modBytes = Replaced(modBytes, "Emk,000000000000000\r\n;\r\n",
                      "Emk,000000000000000\r\n"
                      "Sky Barge,nil,1,4.,0,0a,2d,2h,1f,6,3,5,Emk,000000000000000\r\n;\r\n");
    WriteBytes(base, kBase);
    WriteBytes(mod, modBytes);

    const Outcome run = Tool({"diff", base, mod});
    EXPECT_EQ(run.status, kExitProblems);
    EXPECT_EQ(run.out, mod + ":15: Unit \"Sky Barge\": added\n" +  //
                           base + ":9: Advance \"Kiln Firing\" (Kln): removed\n" +  //
                           mod + " has 2 lines that " + base + " lacks.\n"
                           "1 unit, 1 advance and 2 other lines differ.\n");

    const Outcome back = Tool({"diff", mod, base});
    EXPECT_NE(back.out.find(mod + " has 2 lines that " + base + " lacks.\n"), std::string::npos);
}

TEST(DiffCommand, JsonHoldsTheSameAsOneDocument) {
    ScratchDir dir;
    const std::string base = dir / "a \"quoted\" name";
    const std::string mod = dir / "mod.txt";
    WriteBytes(base, kBase);
    WriteBytes(mod, Replaced(Replaced(kBase, "1a,1d", "2a,1d"), "; Invented base", "; Invented mod"));

    const Outcome run = Tool({"diff", "--format=json", base, mod});
    EXPECT_EQ(run.status, kExitProblems);
    const std::string baseJson = Replaced(base, "\"quoted\"", "\\\"quoted\\\"");
    EXPECT_EQ(run.out,
              "{\n  \"base\": \"" + baseJson + "\",\n  \"other\": \"" + mod +
                  "\",\n  \"differences\": [\n"
                  "    {\"file\": \"" + mod + "\", \"line\": 1, \"kind\": \"line\", \"baseLine\": 1, "
                  "\"text\": \"line differs\"},\n"
                  "    {\"file\": \"" + mod + "\", \"line\": 12, \"kind\": \"field\", \"section\": "
                  "\"units\", \"record\": 1, \"name\": \"Ember Guard\", \"field\": \"attack\", "
                  "\"before\": \"1\", \"after\": \"2\", \"text\": \"Unit \\\"Ember Guard\\\": "
                  "attack 1 -> 2\"}\n  ],\n"
                  "  \"linesOnlyInBase\": 0,\n  \"linesOnlyInOther\": 0,\n"
                  "  \"summary\": {\"units\": 1, \"advances\": 0, \"cosmicValues\": 0, "
                  "\"otherSectionRows\": 0, \"otherLines\": 1, \"text\": \"1 unit and 1 other line differ.\"}\n}\n");

    const Outcome same = Tool({"diff", base, base, "--format=json"});
    EXPECT_EQ(same.status, kExitOk);
    EXPECT_NE(same.out.find("\"differences\": [],\n"), std::string::npos);
    EXPECT_NE(same.out.find("\"text\": \"No differences.\"}"), std::string::npos);
}

}  // namespace
}  // namespace tool
