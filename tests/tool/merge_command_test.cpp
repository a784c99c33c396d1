#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
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

// Lines counted from 1: 1 comment, 2 header, 3 cosmic, 4 ";", 5 header,
// 6 unit, 7 ";".
const std::string kBase =
    "; Invented base\r\n@COSMIC\r\n3     ; roads\r\n;\r\n@UNITS\r\n"
    "Ember Guard,nil,0,1.,0,2a,1d,1h,1f,2,0,5,Emk,000000000000000\r\n;\r\n";

TEST(MergeCommand, WritesOutAndReportsConflictsAtTheirLineInOurs) {
    ScratchDir dir;
    const std::string base = dir / "base.txt", ours = dir / "ours.txt", theirs = dir / "theirs.txt",
                      out = dir / "out.txt";
    const std::string oursBytes = Replaced(kBase, "0,2a", "0,3a");
    WriteBytes(base, kBase);
    WriteBytes(ours, oursBytes);
    WriteBytes(theirs, Replaced(kBase, "; Invented base", "; Invented base, theirs"));

    Outcome run = Tool({"merge", base, ours, theirs, "-o", out});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out, "No conflicts; 1 change taken from theirs.\n");
    EXPECT_EQ(ReadBytes(out), Replaced(oursBytes, "; Invented base", "; Invented base, theirs"));

    // Git's way: the result replaces OURS, and a conflict is exit status 1.
    WriteBytes(theirs, Replaced(kBase, "0,2a", "0,4a"));
    run = Tool({"merge", base, ours, theirs, "-o", ours});
    EXPECT_EQ(run.status, kExitProblems);
    EXPECT_EQ(run.out, ours + ":6: conflict: Unit \"Ember Guard\": attack base 2, ours 3, theirs 4\n"
                       "1 conflict, where ours is kept; nothing to take from theirs.\n");
    EXPECT_EQ(ReadBytes(ours), oursBytes);

    // Without -o the file goes to standard output and the report, here JSON,
    // to standard error.
    run = Tool({"merge", "--format=json", base, ours, theirs});
    EXPECT_EQ(run.status, kExitProblems);
    EXPECT_EQ(run.out, oursBytes);
    const nlohmann::json report = nlohmann::json::parse(run.err);
    EXPECT_EQ(report["clean"], false);
    ASSERT_EQ(report["conflicts"].size(), 1u);
    const nlohmann::json& conflict = report["conflicts"][0];
    EXPECT_EQ(conflict["line"], 6);
    EXPECT_EQ(conflict["field"], "attack");
    EXPECT_EQ(conflict["base"], "2");
    EXPECT_EQ(conflict["ours"], "3");
    EXPECT_EQ(conflict["theirs"], "4");
}

TEST(MergeCommand, AFileThatCannotBeReadWritesNothing) {
    ScratchDir dir;
    const std::string base = dir / "base.txt", out = dir / "out.txt";
    WriteBytes(base, kBase);
    const Outcome run = Tool({"merge", base, dir / "missing.txt", base, "-o", out});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "ovantra-rules: Cannot open file " + (dir / "missing.txt") + ".\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(Tool({"merge", base, base}).status, kExitFailure);
}

TEST(TextconvCommand, PrintsOneLinePerFieldAndEveryOtherLineAsItIs) {
    ScratchDir dir;
    const std::string file = dir / "rules.txt";
    WriteBytes(file, Replaced(kBase, "Ember Guard", "Ember Gu\xE9rd") +
                         "; Terrain: name, defense\r\n@TERRAIN\r\nSalt Marsh,  1 ; smh\r\n;\r\n");
    const Outcome run = Tool({"textconv", file});
    EXPECT_EQ(run.status, kExitOk);
    // The lines outside the records as they are; a record's label, then one
    // line per field under it, in field order, named by the field table's labels.
    const std::string head = "; Invented base\n@COSMIC\nCosmic value RoadMove 3\n;\n@UNITS\n"
                             "Unit \"Ember Gu\u00e9rd\"\n    name \"Ember Gu\u00e9rd\"\n"
                             "    obsolete by nil\n";
    EXPECT_EQ(run.out.substr(0, head.size()), head);
    EXPECT_NE(run.out.find("\n    attack 2\n    defense 1\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n    flags 000000000000000\n;\n"), std::string::npos);
    // Another section's row: its label, then one line per cell, under the
    // section's headings.
    EXPECT_NE(run.out.find(";\n; Terrain: name, defense\n@TERRAIN\nRow \"Salt Marsh\" of TERRAIN\n"
                           "    column \"name\" \"Salt Marsh\"\n    column \"defense\" 1\n"
                           "    column \"Comment\" smh\n;\n"),
              std::string::npos);
    // A rename changes the label and the name, not every line of the record.
    WriteBytes(dir / "renamed.txt", Replaced(ReadBytes(file), "Ember Gu\xE9rd", "Ash Guard"));
    const Outcome renamed = Tool({"textconv", dir / "renamed.txt"});
    std::istringstream before(run.out), after(renamed.out);
    int changed = 0;
    for (std::string a, b; std::getline(before, a) && std::getline(after, b);) changed += a != b;
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(Tool({"textconv", dir / "missing.txt"}).status, kExitFailure);
}

// A conflict outside the records still carries every key of the report.
TEST(MergeCommand, ALinesConflictHasEveryKeyOfTheReport) {
    ScratchDir dir;
    const std::string base = dir / "base.txt", ours = dir / "ours.txt", theirs = dir / "theirs.txt";
    WriteBytes(base, kBase);
    WriteBytes(ours, Replaced(kBase, "; Invented base", "; Ours"));
    WriteBytes(theirs, Replaced(kBase, "; Invented base", "; Theirs"));
    const Outcome run = Tool({"merge", "--format=json", base, ours, theirs});
    EXPECT_EQ(run.status, kExitProblems);
    const nlohmann::json report = nlohmann::json::parse(run.err);
    ASSERT_EQ(report["conflicts"].size(), 1u);
    const nlohmann::json& conflict = report["conflicts"][0];
    EXPECT_EQ(conflict["kind"], "lines");
    for (const char* key : {"section", "record", "field"}) {
        ASSERT_TRUE(conflict.contains(key)) << key;
        EXPECT_TRUE(conflict[key].is_null()) << key;
    }
}

// A file that is no rules file, read as a second file, would otherwise be
// merged into an empty document or compared as every record removed, with a
// clean exit. git's empty base (both sides added the file) still merges.
TEST(MergeCommand, RefusesAFileThatIsNoRulesFileAsDiffDoes) {
    ScratchDir dir;
    const std::string base = dir / "base.txt", empty = dir / "empty.txt", out = dir / "out.txt";
    WriteBytes(base, kBase);
    WriteBytes(empty, "");
    WriteBytes(dir / "noise.txt", std::string("\x01\x02 not rules at all\n"));

    Outcome run = Tool({"merge", base, base, empty, "-o", out});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_NE(run.err.find(empty + " is not a rules file"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    run = Tool({"diff", base, dir / "noise.txt"});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_NE(run.err.find("is not a rules file"), std::string::npos) << run.err;

    run = Tool({"merge", empty, base, base, "-o", out});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(ReadBytes(out), kBase);
}

}  // namespace
}  // namespace tool
