#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "app/tool/json_text.h"
#include "app/tool/tool.h"
#include "rules/check/check_kinds.h"
#include "test_files.h"
#include "tool_outcome.h"

namespace tool {
namespace {

using rules::testing::ReadBytes;
using rules::testing::ScratchDir;
using rules::testing::WriteBytes;

// Line 1 text, 2 header, 3..5 advances, 6 ";", 7 header, 8..9 units, 10 ";".
std::string SmallRules(const std::string& secondAdvance, const std::string& secondUnit) {
    return "Invented rules\r\n@CIVILIZE\r\n"
           "Tidecraft, 1, 0, nil, nil, 0, 1 ; Tdc\r\n" +
           secondAdvance +
           "\r\n"
           "Kiln Firing, 2, 0, Tdc, nil, 0, 4 ; Kln\r\n"
           ";\r\n@UNITS\r\n"
           "Rafter,nil,0,1.,0,0a,1d,1h,1f,3,0,5,nil,000000000000000\r\n" +
           secondUnit + "\r\n;\r\n";
}

TEST(RulesTool, CheckPrintsProblemsAsCompilersDoAndExitsByTheWorstFile) {
    ScratchDir dir;
    const std::string faulty = dir / "mod.rules";
    const std::string clean = dir / "-plain";
    const std::string warned = dir / "warned.fre";
    const std::string faultyBytes = SmallRules("Glazing, 1, 0, Gla, nil, 0, 3 ; Gla",
                                               "Barge,Zzz,2,3.,0,1a,1d,1h,1f,3,2,4,Tdc,000000000000000");
    WriteBytes(faulty, faultyBytes);
    WriteBytes(clean, SmallRules("Glazing, 1, 0, Kln, nil, 1, 3 ; Gla",
                                 "Barge,nil,2,3.,0,1a,1d,1h,1f,3,2,4,Gla,000000000000000"));
    WriteBytes(warned, SmallRules("Glazing, 1, 0, Tdc, nil, 0, 3 ; Gla",
                                  "Barge,nil,2,3.,0,1a,1d,1h,1f,3,2,4,Gla,0000000000000001"));

    // Errors first, then warnings; file lines counted from 1; a problem tied
    // to no line carries no number (the cosmic section is missing).
    const Outcome run = Tool({"check", faulty, "--", clean});
    EXPECT_EQ(run.status, kExitProblems);
    EXPECT_EQ(run.out,
              faulty + ":4: error: Advance \"Glazing\" (Gla) needs itself through a circle of "
                       "prerequisites, Gla -> Gla; no advance caught in it can ever be invented. "
                       "[prerequisite-circle]\n" +
                  faulty + ":9: error: Unit \"Barge\": the advance that makes it obsolete, \"Zzz\", "
                           "is neither \"nil\" nor the abbreviation of an advance. [unknown-advance]\n" +
                  faulty + ": warning: @COSMIC section: the section header was not found; the "
                           "section is empty and will not be written. [set-aside-line]\n" +
                  clean + ": warning: @COSMIC section: the section header was not found; the "
                          "section is empty and will not be written. [set-aside-line]\n"
                          "2 errors and 2 warnings in 2 files checked.\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadBytes(faulty), faultyBytes);  // checking writes nothing

    // Warnings alone pass; a file that cannot be read fails the run, after
    // the others were checked.
    const Outcome warnedRun = Tool({"check", warned});
    EXPECT_EQ(warnedRun.status, kExitOk);
    EXPECT_NE(warnedRun.out.find(warned + ":9: warning: Unit \"Barge\": flags \"0000000000000001\""),
              std::string::npos);
    const Outcome missing = Tool({"check", dir / "absent.txt", warned});
    EXPECT_EQ(missing.status, kExitFailure);
    EXPECT_EQ(missing.err, "ovantra-rules: Cannot open file " + (dir / "absent.txt") + ".\n");
    EXPECT_NE(missing.out.find("0 errors and 2 warnings in 1 file checked; 1 file could not be read.\n"),
              std::string::npos);

    // A file with none of the three sections is no rules file at all.
    const std::string empty = dir / "empty.txt";
    WriteBytes(empty, "");
    const Outcome notRules = Tool({"check", empty});
    EXPECT_EQ(notRules.status, kExitProblems);
    EXPECT_EQ(notRules.out, empty + ": error: no @COSMIC, @CIVILIZE or @UNITS section: this is not "
                                    "a rules file [not-a-rules-file]\n"
                                    "1 error and 0 warnings in 1 file checked.\n");
}

TEST(RulesTool, HelpVersionAndWrongArguments) {
    const Outcome help = Tool({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_NE(help.out.find("check [OPTIONS] FILE..."), std::string::npos);
    EXPECT_NE(help.out.find("show FILE"), std::string::npos);
    EXPECT_EQ(Tool({"--version"}).out, std::string("ovantra-rules ") + RULES_EDITOR_VERSION + "\n");
    const Outcome checkHelp = Tool({"check", "--help"});
    EXPECT_EQ(checkHelp.status, kExitOk);
    EXPECT_NE(checkHelp.out.find("--disable=NAME"), std::string::npos);

    for (const Arguments& wrong : {Arguments{}, Arguments{"--frobnicate"}, Arguments{"lint", "x"},
                                   Arguments{"check"}, Arguments{"check", "-q", "rules.txt"},
                                   Arguments{"show", "a", "b"}}) {
        const Outcome run = Tool(wrong);
        EXPECT_EQ(run.status, kExitFailure) << ::testing::PrintToString(wrong);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage: ovantra-rules"), std::string::npos);
    }
}

TEST(RulesTool, CheckFoldsConsequencesAndSpeaksJsonAndSarif) {
    ScratchDir dir;
    const std::string file = dir / "circle.txt";
    // Glazing needs itself; Kiln Firing waits on it, and so does the Barge.
    std::string bytes = SmallRules("Glazing, 1, 0, Gla, nil, 0, 3 ; Gla",
                                   "Barge,nil,2,3.,0,1a,1d,1h,1f,3,2,4,Kln,0000000000000001");
    bytes.replace(bytes.find("Kiln Firing, 2, 0, Tdc"), 22, "Kiln Firing, 2, 0, Gla");
    WriteBytes(file, bytes);

    // The consequences follow their cause as notes, which are not counted.
    const Outcome text = Tool({"check", file});
    EXPECT_EQ(text.status, kExitProblems);
    EXPECT_EQ(text.out,
              file + ":4: error: Advance \"Glazing\" (Gla) needs itself through a circle of "
                     "prerequisites, Gla -> Gla; no advance caught in it can ever be invented. "
                     "[prerequisite-circle]\n" +
                  file + ":5: note: Advance \"Kiln Firing\" (Kln) can never be invented: it needs "
                         "an advance of the circle Gla -> Gla. [never-invented]\n" +
                  file + ":9: note: Unit \"Barge\" can never be built: its prerequisite \"Kiln "
                         "Firing\" (Kln) can never be invented. [never-built]\n" +
                  file + ": warning: @COSMIC section: the section header was not found; the "
                         "section is empty and will not be written. [set-aside-line]\n" +
                  file + ":9: warning: Unit \"Barge\": flags \"0000000000000001\" are not exactly "
                         "15 characters of \"0\" and \"1\". [bad-flags]\n"
                         "1 error and 2 warnings in 1 file checked.\n");

    // Warnings switch off by name; errors and unknown names are refused.
    const Outcome quiet =
        Tool({"check", "--disable=set-aside-line,bad-flags", "--disable", "never-built", file});
    EXPECT_EQ(quiet.status, kExitProblems);
    EXPECT_EQ(quiet.out.find("[bad-flags]"), std::string::npos);
    EXPECT_EQ(quiet.out.find("[never-built]"), std::string::npos);
    EXPECT_NE(quiet.out.find("1 error and 0 warnings"), std::string::npos);
    for (const char* wrong : {"--disable=prerequisite-circle", "--enable=no-such-check",
                              "--format=xml"}) {
        const Outcome run = Tool({"check", wrong, file});
        EXPECT_EQ(run.status, kExitFailure) << wrong;
        EXPECT_EQ(run.out, "") << wrong;
    }
    const Outcome list = Tool({"--list-checks"});
    EXPECT_EQ(list.status, kExitOk);
    EXPECT_NE(list.out.find("prerequisite-circle     error    on   "), std::string::npos);
    EXPECT_NE(list.out.find("redundant-prerequisite  warning  off  "), std::string::npos);

    const Outcome json = Tool({"check", "--format=json", "--disable=set-aside-line,never-built", file});
    EXPECT_EQ(json.status, kExitProblems);
    const std::string quotedFile = "\"" + file + "\"";
    EXPECT_EQ(json.out,
              "[\n  {\"file\": " + quotedFile +
                  ", \"line\": 4, \"severity\": \"error\", \"check\": \"prerequisite-circle\", "
                  "\"message\": \"Advance \\\"Glazing\\\" (Gla) needs itself through a circle of "
                  "prerequisites, Gla -> Gla; no advance caught in it can ever be invented.\", "
                  "\"notes\": [{\"file\": " + quotedFile +
                  ", \"line\": 5, \"severity\": \"note\", \"check\": \"never-invented\", "
                  "\"message\": \"Advance \\\"Kiln Firing\\\" (Kln) can never be invented: it needs "
                  "an advance of the circle Gla -> Gla.\"}]},\n"
                  "  {\"file\": " + quotedFile +
                  ", \"line\": 9, \"severity\": \"warning\", \"check\": \"bad-flags\", "
                  "\"message\": \"Unit \\\"Barge\\\": flags \\\"0000000000000001\\\" are not exactly "
                  "15 characters of \\\"0\\\" and \\\"1\\\".\", \"notes\": []}\n]\n");

    // The SARIF log's form is held to its schema by check_reports_test.py;
    // here, that it says what the text says.
    const Outcome sarif = Tool({"check", "--format=sarif", file});
    EXPECT_EQ(sarif.status, kExitProblems);
    const Json log = Json::parse(sarif.out);
    const Json& run = log["runs"][0];
    EXPECT_EQ(run["tool"]["driver"]["version"], RULES_EDITOR_VERSION);
    const Json& kinds = run["tool"]["driver"]["rules"];
    ASSERT_EQ(kinds.size(), rules::CheckKinds().size());
    EXPECT_EQ(kinds.back()["id"], "redundant-prerequisite");
    EXPECT_EQ(kinds.back()["defaultConfiguration"], Json({{"level", "warning"}, {"enabled", false}}));
    EXPECT_EQ(kinds[2]["help"]["markdown"], std::string(rules::CheckKinds()[2].description) +
                                                "\n\n" + rules::CheckKinds()[2].remedy);
    const Json& results = run["results"];
    ASSERT_EQ(results.size(), 5u);  // the notes are results of their own too
    const auto at = [&](int line) {
        // The scratch path needs no escapes.
        Json location = {{"artifactLocation", {{"uri", "file://" + file}}}};
        if (line > 0) location["region"] = {{"startLine", line}};
        return Json({{"physicalLocation", location}});
    };
    Json kiln = at(5), barge = at(9);
    kiln["id"] = 1;
    kiln["message"] = {{"text",
                        "Advance \"Kiln Firing\" (Kln) can never be invented: it needs "
                        "an advance of the circle Gla -> Gla."}};
    barge["id"] = 2;
    barge["message"] = {{"text",
                         "Unit \"Barge\" can never be built: its prerequisite \"Kiln "
                         "Firing\" (Kln) can never be invented."}};
    EXPECT_EQ(results[0], Json({{"ruleId", "prerequisite-circle"},
                                {"ruleIndex", 2},
                                {"level", "error"},
                                {"message",
                                 {{"text",
                                   "Advance \"Glazing\" (Gla) needs itself through a circle of "
                                   "prerequisites, Gla -> Gla; no advance caught in it can ever be "
                                   "invented."}}},
                                {"locations", Json::array({at(4)})},
                                {"relatedLocations", Json::array({kiln, barge})}}));
    EXPECT_EQ(results[1]["level"], "note");
    EXPECT_EQ(results[2]["ruleId"], "never-built");
    EXPECT_EQ(results[3]["locations"][0], at(0));  // tied to no line
}

// Each check is described once, in rules/check: the manual's list of
// checks is those descriptions word for word.
TEST(RulesTool, TheManualListsEveryCheckAsTheCheckDescribesIt) {
    std::string readme;
    for (const char c : ReadBytes(CHECK_LIST_FILE)) {  // its lines joined, as Markdown reads them
        const bool space = c == ' ' || c == '\n';
        if (!space || (!readme.empty() && readme.back() != ' ')) readme += space ? ' ' : c;
    }
    for (const rules::CheckKind& kind : rules::CheckKinds()) {
        const std::string item = std::string("- `") + kind.name + "`" +
                                 (kind.onByDefault ? "" : " (off unless enabled)") + ": " +
                                 kind.description + " ";
        EXPECT_NE(readme.find(item), std::string::npos) << item;
    }
}

// The characters (not bytes) before `needle` in the line of `out` that
// holds `start`.
std::size_t ColumnOf(const std::string& out, const std::string& start, const std::string& needle) {
    const std::size_t line = out.find(start);
    const std::size_t at = out.find(needle, line);
    if (line == std::string::npos || at == std::string::npos) return std::string::npos;
    std::size_t characters = 0;
    for (std::size_t i = out.rfind('\n', line) + 1; i < at; ++i)
        characters += (static_cast<unsigned char>(out[i]) & 0xC0) != 0x80;
    return characters;
}

TEST(RulesTool, ShowListsTheSectionsWithoutWritingAndAlignsByCharacters) {
    ScratchDir dir;
    const std::string file = dir / "look";
    // Accented names, in the file's Windows-1252.
    const std::string bytes =
        SmallRules("For\xEAt \xC9t\xE9, 1, 0, Tdc, nil, 0, 3 ; Gla",
                   "\xC9"
                   "claireur,nil,2,3.,0,1a,1d,1h,1f,3,2,4,Gla,000000000000000");
    WriteBytes(file, bytes);
    const Outcome run = Tool({"show", file});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_NE(run.out.find("@CIVILIZE: 3 advances"), std::string::npos);
    EXPECT_NE(run.out.find("@UNITS: 2 units"), std::string::npos);
    // Every advance that Tidecraft opens, not only the first.
    EXPECT_NE(run.out.find("allows For\u00eat \u00c9t\u00e9, Kiln Firing\n"), std::string::npos)
        << run.out;
    EXPECT_EQ(ColumnOf(run.out, " 1 Tidecraft", " needs "),
              ColumnOf(run.out, " 2 For\u00eat \u00c9t\u00e9", " needs "))
        << run.out;
    EXPECT_EQ(ColumnOf(run.out, " 1 Rafter", " attack "),
              ColumnOf(run.out, " 2 \u00c9claireur", " attack "))
        << run.out;
    EXPECT_EQ(ReadBytes(file), bytes);
}

// No command writes its output over a file it reads, however OUT names it:
// the same name, a symbolic link to it, another hard link of it.
TEST(RulesTool, NoCommandWritesItsOutputOverAFileItReads) {
    ScratchDir dir;
    const std::string rules = dir / "rules.txt", ours = dir / "ours.txt",
                      theirs = dir / "theirs.txt";
    // Named as pictures, so that tree gets as far as the check.
    const std::string symlink = dir / "link.svg", hardLink = dir / "hard.dot";
    const std::string bytes = SmallRules("Glazing, 1, 0, Kln, nil, 1, 3 ; Gla",
                                         "Barge,nil,1,2.,0,1a,1d,1h,1f,3,2,4,Gla,000000000000000");
    WriteBytes(rules, bytes);
    WriteBytes(ours, bytes);
    WriteBytes(theirs, bytes);
    std::filesystem::create_symlink(rules, symlink);
    std::filesystem::create_hard_link(rules, hardLink);

    for (const std::string& out : {rules, symlink, hardLink}) {
        std::vector<Arguments> commands = {{"export", rules, "units", "-o", out},
                                           {"merge", rules, ours, theirs, "-o", out},
                                           {"merge", ours, theirs, rules, "-o", out}};
        if (out != rules) commands.push_back({"tree", rules, "-o", out});
        for (const Arguments& arguments : commands) {
            const Outcome run = Tool(arguments);
            const std::string what = ::testing::PrintToString(arguments);
            EXPECT_EQ(run.status, kExitFailure) << what;
            EXPECT_NE(run.err.find("the output file " + out + " is the input file " + rules), std::string::npos)
                << what << run.err;
            EXPECT_EQ(ReadBytes(rules), bytes) << what;
            EXPECT_TRUE(std::filesystem::is_symlink(symlink)) << what;
        }
    }
    // Git's merge driver writes the result over OURS: that is its job.
    EXPECT_EQ(Tool({"merge", rules, ours, theirs, "-o", ours}).status, kExitOk);
}

}  // namespace
}  // namespace tool
