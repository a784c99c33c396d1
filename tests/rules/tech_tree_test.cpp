// The tree of advances: its graph, and the three files it is written as.
#include "rules/tree/tech_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "rules/tree/graphviz/tree_layout.h"
#include "rules/document/rules_document.h"
#include "rules/tree/tech_tree_dot.h"

namespace rules {
namespace {

// Kiln <- Ember <- Smelt, Tide beside it; Loom and Spindle need each other
// and Weave hangs off that circle; Brine names an abbreviation nobody has
// and repeats Kiln's abbreviation.
const char* const kRules =
    "; invented advances for the tree\r\n@CIVILIZE\r\n"
    "Kiln Firing,   8,  1, nil, nil, 0, 3 ; Kln\r\n"   // 1
    "Ember Keeping, 3,  0, Kln, nil, 0, 4 ; Emk\r\n"   // 2
    "Smelting,      5, -1, Emk, Kln, 1, 0 ; Smt\r\n"   // 3
    "Tidecraft,     8, -1, nil, no,  0, 1 ; Tdc\r\n"   // 4
    "Loom Song,     2,  0, Spn, Tdc, 2, 2 ; Lms\r\n"   // 5
    "Spindle\"Q\",    2,  0, Lms, nil, 2, 2 ; Spn\r\n" // 6
    "Weave&Dye,     4,  2, Spn, nil, 3, 1 ; Wvd\r\n"   // 7
    "Brine Curing,  1,  0, Qzz, Smt, 7, 1 ; Kln\r\n"   // 8
    ";\r\n"
    "@UNITS\r\n"
    "Clay Golem,  Smt, 0,1.,0,1a,1d,1h,1f,1,0,0, Kln, 000000000000000\r\n"
    "Raft,        nil, 2,1.,0,0a,1d,1h,1f,1,0,0, Tdc, 000000000000000\r\n"
    ";\r\n";

RulesDocument Parsed(const char* bytes) {
    RulesDocument document;
    document.LoadBytes(bytes, Language::English);
    document.Parse();
    return document;
}

TechTree TreeOf(const RulesDocument& document) {
    return TechTree::Build(document.Advances(), document.Units());
}

int Index(int number) { return TechTree::IndexOfAdvance(number); }

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(TechTree, EdgesRunFromEachKnownPrerequisiteAndTheRestIsMarked) {
    const RulesDocument document = Parsed(kRules);
    const TechTree tree = TreeOf(document);
    ASSERT_EQ(tree.Nodes().size(), 8u);

    std::vector<std::pair<int, int>> edges;
    for (const TechEdge& edge : tree.Edges()) edges.emplace_back(edge.from + 1, edge.to + 1);
    const std::vector<std::pair<int, int>> expected = {{1, 2}, {2, 3}, {1, 3}, {6, 5}, {4, 5},
                                                       {5, 6}, {6, 7}, {3, 8}};
    EXPECT_EQ(edges, expected);  // "nil" and "no" give none; a look-up takes the first "Kln"

    const TechNode& brine = tree.Nodes()[Index(8)];
    EXPECT_EQ(brine.unknownPrereqs, std::vector<std::string>{"Qzz"});
    EXPECT_TRUE(brine.repeatedAbbrev);
    EXPECT_EQ(brine.id, "Kln~8");  // never merged with Kiln Firing's node
    EXPECT_EQ(brine.epoch, -1);
    EXPECT_EQ(tree.Nodes()[Index(1)].unitsBrought, std::vector<std::string>{"Clay Golem"});
    EXPECT_EQ(tree.Nodes()[Index(3)].unitsRetired, std::vector<std::string>{"Clay Golem"});
    EXPECT_TRUE(brine.unitsBrought.empty());

    const std::string tip = tree.Describe(Index(3));
    for (const char* part : {"Smelting (Smt)", "Epoch: Renaissance, category: Military",
                             "AI value 5, modifier -1", "Needs: Ember Keeping, Kiln Firing",
                             "Opens: Brine Curing", "Retires units: Clay Golem"}) {
        EXPECT_NE(tip.find(part), std::string::npos) << part << " in\n" << tip;
    }
    EXPECT_NE(tree.Describe(Index(8)).find("\"Qzz\" (no advance has this abbreviation)"), std::string::npos);
}

TEST(TechTree, AncestorsAndDescendantsEndAtCirclesAndCirclesAreMarked) {
    const TechTree tree = TreeOf(Parsed(kRules));
    EXPECT_EQ(tree.Ancestors(Index(8)), (std::vector<int>{Index(1), Index(2), Index(3)}));
    EXPECT_EQ(tree.Descendants(Index(1)), (std::vector<int>{Index(2), Index(3), Index(8)}));
    // Inside a circle each reaches the other, and never itself.
    EXPECT_EQ(tree.Ancestors(Index(5)), (std::vector<int>{Index(4), Index(6)}));
    EXPECT_EQ(tree.Descendants(Index(5)), (std::vector<int>{Index(6), Index(7)}));

    EXPECT_TRUE(tree.Nodes()[Index(5)].inCircle);
    EXPECT_TRUE(tree.Nodes()[Index(6)].inCircle);
    EXPECT_TRUE(tree.Nodes()[Index(7)].neverAvailable);
    EXPECT_FALSE(tree.Nodes()[Index(4)].neverAvailable);
    int circleEdges = 0;
    for (const TechEdge& edge : tree.Edges()) circleEdges += edge.inCircle;
    EXPECT_EQ(circleEdges, 2);  // Spn -> Lms and Lms -> Spn, not Tdc -> Lms
}

TEST(TechTree, FocusKeepsExactlyWhatTheAdvanceNeedsAndOpensAndTheLinksAmongThem) {
    const RulesDocument document = Parsed(kRules);
    const TechTree tree = TreeOf(document);
    // Ember Keeping: Kiln Firing before it, Smelting and Brine Curing after.
    // Kiln -> Smelting is a link among them, though not through Ember.
    const TreePart ember = tree.FocusOn(Index(2));
    EXPECT_EQ(ember.nodes, (std::vector<int>{Index(1), Index(2), Index(3), Index(8)}));
    std::vector<std::pair<int, int>> links;
    for (int edge : ember.edges) links.emplace_back(tree.Edges()[edge].from + 1, tree.Edges()[edge].to + 1);
    EXPECT_EQ(links, (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}, {1, 3}, {3, 8}}));
    const std::string dot = TreeToDot(tree, &ember);
    EXPECT_EQ(Count(dot, "advance="), 4u);
    EXPECT_EQ(Count(dot, " -> "), 4u);

    // Tidecraft opens the circle and what hangs off it; the circle's own
    // links are kept, Tidecraft's needs are none.
    const TreePart tide = tree.FocusOn(Index(4));
    EXPECT_EQ(tide.nodes, (std::vector<int>{Index(4), Index(5), Index(6), Index(7)}));
    EXPECT_EQ(tide.edges.size(), 4u);
    EXPECT_TRUE(tree.FocusOn(99).nodes.empty());

    // Each edge knows the prerequisite slot it comes from.
    EXPECT_EQ(tree.Edges()[2].slot, 2);  // Smelting's second: Kln
    EXPECT_EQ(tree.Edges()[1].slot, 1);
}

TEST(TechTree, FindMatchesNamesAndAbbreviationsWhateverTheLetterCase) {
    const RulesDocument document = Parsed(
        "; invented\r\n@CIVILIZE\r\n"
        "Kiln Firing, 1, 0, nil, nil, 0, 0 ; Kln\r\n"
        "\xC9tain Casting, 1, 0, nil, nil, 0, 0 ; Etc\r\n"  // E acute
        "Smelting, 1, 0, nil, nil, 0, 0 ; Sml\r\n"
        ";\r\n@UNITS\r\n;\r\n");
    const TechTree tree = TreeOf(document);
    EXPECT_EQ(tree.Find("ING"), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(tree.Find("kln"), std::vector<int>{0});    // the abbreviation
    EXPECT_EQ(tree.Find("\xE9tain"), std::vector<int>{1});  // e acute finds E acute
    EXPECT_EQ(tree.Find("ml"), std::vector<int>{2});
    EXPECT_TRUE(tree.Find("").empty());
    EXPECT_TRUE(tree.Find("Firing!").empty());
    EXPECT_EQ(tree.NodeOfAbbrev("Sml"), 2);
    EXPECT_EQ(tree.NodeOfAbbrev("sml"), -1);
}

TEST(TreeFiles, ReadabilityCountsLinksThatCrossButNotLinksThatShareAnAdvance) {
    // Kiln -> Ember and Kiln -> Smelting share Kiln; Tide -> Loom crosses both.
    const TechTree tree = TreeOf(Parsed(
        "; invented\r\n@CIVILIZE\r\n"
        "Kiln, 1, 0, nil, nil, 0, 0 ; Kln\r\n"
        "Ember, 1, 0, Kln, nil, 0, 0 ; Emk\r\n"
        "Smelting, 1, 0, Kln, nil, 0, 0 ; Smt\r\n"
        "Tide, 1, 0, nil, nil, 0, 0 ; Tdc\r\n"
        "Loom, 1, 0, Tdc, nil, 0, 0 ; Lms\r\n"
        ";\r\n@UNITS\r\n;\r\n"));
    ASSERT_EQ(tree.Edges().size(), 3u);
    const auto straight = [](int edge, TreePoint from, TreePoint to) {
        LaidEdge laid;
        laid.edge = edge;
        const TreePoint third{from.x + (to.x - from.x) / 3, from.y + (to.y - from.y) / 3};
        const TreePoint twoThirds{from.x + 2 * (to.x - from.x) / 3, from.y + 2 * (to.y - from.y) / 3};
        laid.curve = {from, third, twoThirds, to};
        return laid;
    };
    TreeLayout layout;
    layout.width = 200;
    layout.height = 100;
    layout.edges = {straight(0, {0, 50}, {100, 0}), straight(1, {0, 50}, {100, 100}),
                    straight(2, {50, 0}, {50, 100})};
    const TreeReadability measured = MeasureReadability(tree, layout, 216, 58);
    EXPECT_EQ(measured.crossings, 2);
    EXPECT_DOUBLE_EQ(measured.fittedScale, 0.5);  // the height decides, with the view's margin
}

TEST(TreeFiles, DotHasOneNodePerAdvanceAndOneArrowPerKnownPrerequisite) {
    const TechTree tree = TreeOf(Parsed(kRules));
    std::string dot;
    ASSERT_TRUE(RenderTree(tree, TreeFormat::Dot, dot));
    EXPECT_EQ(Count(dot, " -> "), tree.Edges().size());
    EXPECT_EQ(Count(dot, "advance="), tree.Nodes().size());
    EXPECT_NE(dot.find("\"Spn\" -> \"Lms\""), std::string::npos);
    EXPECT_NE(dot.find("label=<Spindle&quot;Q&quot;>"), std::string::npos) << dot;  // a quote cannot end the label
}

TEST(TreeFiles, LongNamesBreakAtTheBalancingSpaceAndEachUnitHasALine) {
    const auto lines = [](const char* name) {
        TechNode node;
        node.name = name;
        node.unitsBrought = {"Clay Golem", "Raft"};
        node.unitsRetired = {"Sling"};
        return TreeLabelOf(node);
    };
    const TreeLabel label = lines("Theory of Old Gravity");
    EXPECT_EQ(label.nameLines, (std::vector<std::string>{"Theory of", "Old Gravity"}));
    ASSERT_EQ(label.unitLines.size(), 3u);
    EXPECT_TRUE(label.unitLines[1].brought);
    EXPECT_EQ(label.unitLines[2].name, "Sling");
    EXPECT_FALSE(label.unitLines[2].brought);
    // Short names, names without an inner space, and spaces at the ends stay whole.
    for (const char* whole : {"Smelting", "Weavingandyeing", " Leadingspace", "Trailingspace "}) {
        EXPECT_EQ(lines(whole).nameLines, std::vector<std::string>{whole});
    }

    std::string dot;
    ASSERT_TRUE(RenderTree(TreeOf(Parsed(kRules)), TreeFormat::Dot, dot));
    EXPECT_NE(dot.find("label=<Ember<BR/>Keeping>"), std::string::npos) << dot;
    EXPECT_NE(dot.find("label=<Smelting<BR/><FONT POINT-SIZE=\"8\">&#8722;Clay Golem</FONT>>"), std::string::npos);
}

TEST(TreeFiles, LayoutPlacesEveryAdvanceLeftToRight) {
    const TechTree tree = TreeOf(Parsed(kRules));
    TreeLayout layout;
    const Status laid = LayOutTree(tree, layout);
    ASSERT_TRUE(laid) << laid.message;
    ASSERT_EQ(layout.nodes.size(), tree.Nodes().size());
    ASSERT_EQ(layout.edges.size(), tree.Edges().size());
    for (const LaidNode& node : layout.nodes) {
        EXPECT_GT(node.width, 0);
        EXPECT_GE(node.centre.x - node.width / 2, -0.5);
        EXPECT_LE(node.centre.y + node.height / 2, layout.height + 0.5);
    }
    // Left to right: a prerequisite stands left of what needs it.
    EXPECT_LT(layout.nodes[Index(1)].centre.x, layout.nodes[Index(2)].centre.x);
    EXPECT_LT(layout.nodes[Index(2)].centre.x, layout.nodes[Index(3)].centre.x);

    EXPECT_EQ(TreeFormatOfFileName("out/Tree.SVG"), TreeFormat::Svg);
    EXPECT_EQ(TreeFormatOfFileName("tree.pdf"), std::nullopt);
    EXPECT_EQ(TreeFormatOfFileName("png"), std::nullopt);
}

TEST(TreeFiles, NamesAndAbbreviationsOfAnyBytesStayOneNodeEach) {
    // Markup, backslashes (one ending a name), quotes, control bytes, a byte
    // Windows-1252 leaves undefined; two abbreviations that differ only in
    // a control byte.
    const TechTree tree = TreeOf(Parsed(
        "; odd names\r\n@CIVILIZE\r\n"
        "<b>Bold</b>&amp;, 1, 0, nil, nil, 0, 1 ; Q\x01\r\n"
        "Back\\slash\\, 1, 0, Q\x01, nil, 0, 1 ; Q\x02\r\n"
        "Ctl\x01\x81\"x, 1, 0, Q\x02, Q\x01, 1, 1 ; \"\\\r\n"
        "]]>--, 1, 0, \"\\, nil, 1, 1 ; nil\r\n"
        ";\r\n"));
    ASSERT_EQ(tree.Nodes().size(), 4u);
    ASSERT_EQ(tree.Edges().size(), 4u);
    TreeLayout layout;
    const Status laid = LayOutTree(tree, layout);
    ASSERT_TRUE(laid) << laid.message << "\n" << TreeToDot(tree);
    EXPECT_EQ(layout.nodes.size(), 4u);
    EXPECT_EQ(layout.edges.size(), 4u);
    std::string svg;
    ASSERT_TRUE(RenderTree(tree, TreeFormat::Svg, svg));
    EXPECT_NE(svg.find("&lt;b&gt;Bold&lt;/b&gt;&amp;amp;"), std::string::npos);

    // A backslash inside an abbreviation is written once, and the node is
    // named as the file names it.
    const TechTree slashed = TreeOf(Parsed(
        "; slash\r\n@CIVILIZE\r\nSlash, 1, 0, nil, nil, 0, 1 ; S\\l\r\n"
        "Next, 1, 0, S\\l, nil, 0, 1 ; Nx\r\n;\r\n"));
    EXPECT_NE(TreeToDot(slashed).find("  \"S\\l\" -> \"Nx\" [link=0];"), std::string::npos)
        << TreeToDot(slashed);
    ASSERT_TRUE(RenderTree(slashed, TreeFormat::Svg, svg));
    EXPECT_NE(svg.find("<title>S\\l</title>"), std::string::npos);
}

TEST(TreeFiles, AnEmptyTableGivesAnEmptyTreeNotAnError) {
    const TechTree tree = TreeOf(Parsed("; nothing\r\n@CIVILIZE\r\n;\r\n"));
    TreeLayout layout;
    EXPECT_TRUE(LayOutTree(tree, layout));
    EXPECT_TRUE(layout.nodes.empty());
    std::string svg;
    EXPECT_TRUE(RenderTree(tree, TreeFormat::Svg, svg));
}

}  // namespace
}  // namespace rules
