// ovantra-rules tree: the three formats, and the exit statuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "app/tool/tool.h"
#include "test_files.h"

namespace tool {
namespace {

using rules::testing::ReadBytes;
using rules::testing::ScratchDir;
using rules::testing::WriteBytes;

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// Two advances, one needing the other, and a third that may close a circle.
std::string Rules(const std::string& third) {
    return "; invented\r\n@CIVILIZE\r\n"
           "Reed Knotting, 3, -2, nil, no, 0, 1 ; Rkn\r\n"
           "Glass Lancing, 5, 0, Rkn, nil, 1, 0 ; Gls\r\n" +
           third +
           "\r\n;\r\n@UNITS\r\n"
           "Mossrider,Gls,0,1.,0,1a,1d,1h,1f,1,0,0,Rkn,000000000000000\r\n;\r\n";
}

int Tree(const Arguments& arguments, std::string* err = nullptr) {
    std::ostringstream out, errors;
    const int status = RunTool(arguments, {out, errors});
    if (err) *err = errors.str();
    return status;
}

TEST(TreeCommand, WritesDotSvgAndPngByTheExtension) {
    ScratchDir dir;
    const std::string rules = dir / "mod.txt";
    WriteBytes(rules, Rules("Mist Charting, 4, -1, Gls, Rkn, 2, 2 ; Mch"));

    ASSERT_EQ(Tree({"tree", rules, "-o", dir / "tree.dot"}), kExitOk);
    const std::string dot = ReadBytes(dir / "tree.dot");
    EXPECT_EQ(Count(dot, "advance="), 3u);  // one node per advance
    EXPECT_EQ(Count(dot, " -> "), 3u);      // Rkn -> Gls, Gls -> Mch, Rkn -> Mch
    EXPECT_NE(dot.find("\"Rkn\" -> \"Gls\""), std::string::npos);

    ASSERT_EQ(Tree({"tree", "-o", dir / "tree.SVG", rules}), kExitOk);
    const std::string svg = ReadBytes(dir / "tree.SVG");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    for (const char* name : {"Reed Knotting", "Glass Lancing", "Mist Charting", "Mossrider"}) {
        EXPECT_NE(svg.find(name), std::string::npos) << name;
    }

    ASSERT_EQ(Tree({"tree", rules, "-o", dir / "tree.png"}), kExitOk);
    EXPECT_EQ(ReadBytes(dir / "tree.png").substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
}

TEST(TreeCommand, ExitStatusesAsForCheck) {
    ScratchDir dir;
    const std::string rules = dir / "mod.txt";
    const std::string bytes = Rules("Mist Charting, 4, -1, Mch, nil, 2, 2 ; Mch");
    WriteBytes(rules, bytes);

    // The tree of a file with an error is still written; the status tells.
    std::string err;
    EXPECT_EQ(Tree({"tree", rules, "-o", dir / "circle.svg"}, &err), kExitProblems);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "circle.svg"));
    EXPECT_NE(err.find("ovantra-rules check"), std::string::npos);
    EXPECT_EQ(ReadBytes(rules), bytes);

    EXPECT_EQ(Tree({"tree", rules, "-o", dir / "tree.pdf"}, &err), kExitFailure);
    EXPECT_NE(err.find("tree.pdf"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "tree.pdf"));
    EXPECT_EQ(Tree({"tree", dir / "absent.txt", "-o", dir / "t.dot"}, &err), kExitFailure);
    EXPECT_EQ(err, "ovantra-rules: Cannot open file " + (dir / "absent.txt") + ".\n");
    EXPECT_EQ(Tree({"tree", rules, "-o", dir / "no-such-folder/t.dot"}, &err), kExitFailure);
    EXPECT_NE(err.find("Cannot create file"), std::string::npos);
    // The rules file itself is never the picture, also named another way.
    const std::string dotRules = dir / "mod.dot";
    WriteBytes(dotRules, bytes);
    EXPECT_EQ(Tree({"tree", dotRules, "-o", (dir.Path() / "." / "mod.dot").string()}, &err), kExitFailure);
    EXPECT_NE(err.find("is the input file"), std::string::npos);
    EXPECT_EQ(ReadBytes(dotRules), bytes);
    for (const Arguments& wrong : {Arguments{"tree", rules}, Arguments{"tree", "-o", dir / "t.dot"},
                                   Arguments{"tree", rules, "-o"}, Arguments{"tree", rules, rules, "-o", "t.dot"}}) {
        EXPECT_EQ(Tree(wrong), kExitFailure) << ::testing::PrintToString(wrong);
    }
}

TEST(TreeCommand, FocusWritesOneAdvanceWithWhatItNeedsAndOpens) {
    ScratchDir dir;
    const std::string rules = dir / "mod.txt";
    // Mist Charting stands apart from Reed Knotting and Glass Lancing.
    WriteBytes(rules, Rules("Mist Charting, 4, -1, nil, nil, 2, 2 ; Mch"));

    ASSERT_EQ(Tree({"tree", rules, "--focus", "Gls", "-o", dir / "gls.dot"}), kExitOk);
    const std::string dot = ReadBytes(dir / "gls.dot");
    EXPECT_EQ(Count(dot, "advance="), 2u);
    EXPECT_EQ(Count(dot, " -> "), 1u);
    EXPECT_EQ(dot.find("Mist Charting"), std::string::npos);

    // An abbreviation is matched as written, letter case too.
    std::string err;
    EXPECT_EQ(Tree({"tree", rules, "--focus", "gls", "-o", dir / "none.svg"}, &err), kExitFailure);
    EXPECT_NE(err.find("\"gls\""), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "none.svg"));
    EXPECT_EQ(Tree({"tree", rules, "-o", dir / "t.dot", "--focus"}), kExitFailure);
}

}  // namespace
}  // namespace tool
