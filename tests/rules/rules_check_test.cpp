#include "rules/check/rules_check.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "rules/check/prerequisite_circles.h"

namespace rules {
namespace {

// A small rules file: 21 cosmic values, then the given advance and unit
// lines. The first advance line is file line 26 (1-based), the first unit
// line comes two lines after the last advance.
std::string RulesFile(std::initializer_list<std::string> advances,
                      std::initializer_list<std::string> units) {
    std::string text = "Invented rules\r\n@COSMIC\r\n";
    for (int k = 0; k < kCosmicCount; ++k) text += "3,  ;value\r\n";
    text += ";\r\n@CIVILIZE\r\n";
    for (const std::string& line : advances) text += line + "\r\n";
    text += ";\r\n@UNITS\r\n";
    for (const std::string& line : units) text += line + "\r\n";
    return text + ";\r\n";
}

RulesDocument Parsed(const std::string& bytes) {
    RulesDocument doc;
    doc.LoadBytes(bytes, Language::English);
    doc.Parse();
    return doc;
}

std::string Advance(const std::string& name, const std::string& abbrev, const std::string& p1 = "nil",
                    const std::string& p2 = "nil", const std::string& epoch = "0") {
    return name + ", 1, 0, " + p1 + ", " + p2 + ", " + epoch + ", 0 ; " + abbrev;
}

std::string Unit(const std::string& name, const std::string& obsolete, const std::string& prereq) {
    return name + "," + obsolete + ",0,1.,0,1a,1d,1h,1f,1,0,0," + prereq + ",000000000000000";
}

std::vector<std::string> Texts(const Problems& problems) {
    std::vector<std::string> texts;
    for (const Problem& p : problems)
        texts.push_back(std::string(SeverityName(p.severity)) + " @" + std::to_string(p.line + 1) +
                        ": " + p.text);
    return texts;
}

TEST(PrerequisiteLinks, FindsEachCircleOnceInOrderAndWhatWaitsOnIt) {
    const RulesDocument doc = Parsed(RulesFile(
        {
            Advance("Root", "Rt"),                    // 1: free
            Advance("Mirror", "Mir", "Mir"),          // 2: needs itself
            Advance("Railroad", "Rrt", "Bsm", "Rt"),  // 3: Rrt -> Bsm -> Rrt
            Advance("Bessemer", "Bsm", "Rrt"),        // 4
            Advance("Steam", "Stm", "Rt", "Bsm"),     // 5: hangs off the circle
            Advance("Turbine", "Tur", "Stm"),         // 6: hangs off the branch
            Advance("Alpha", "Al", "Ga"),             // 7: Al -> Ga -> Be -> Al
            Advance("Beta", "Be", "Al"),              // 8
            Advance("Gamma", "Ga", "Be"),             // 9
            Advance("Delta", "De", "Rt", "Rt"),       // 10: free, one link twice
        },
        {}));
    const PrerequisiteLinks links(doc.Advances());

    ASSERT_EQ(links.Circles().size(), 3u);
    EXPECT_EQ(links.Circles()[0].path, (std::vector<int>{2}));
    EXPECT_EQ(links.Circles()[1].path, (std::vector<int>{3, 4}));
    EXPECT_EQ(links.Circles()[2].path, (std::vector<int>{7, 9, 8}));
    EXPECT_EQ(PrerequisiteLinks::Describe(doc.Advances(), links.Circles()[1]), "Rrt -> Bsm -> Rrt");
    EXPECT_EQ(PrerequisiteLinks::Describe(doc.Advances(), links.Circles()[2]),
              "Al -> Ga -> Be -> Al");
    EXPECT_EQ(links.NeverAvailable(), (std::vector<int>{5, 6}));
    EXPECT_EQ(links.BlockingCircleOf(6), 1);
    EXPECT_EQ(links.Needs(10), (std::vector<int>{1}));
    for (int free : {1, 10}) EXPECT_TRUE(links.CanBeInvented(free)) << free;

    // Each circle is one error at its first advance; each advance waiting on
    // one is a warning naming it.
    const Problems problems = CheckRules(doc);
    EXPECT_EQ(Texts(problems),
              (std::vector<std::string>{
                  "error @27: Advance \"Mirror\" (Mir) needs itself through a circle of "
                  "prerequisites, Mir -> Mir; no advance caught in it can ever be invented.",
                  "error @28: Advance \"Railroad\" (Rrt) needs itself through a circle of "
                  "prerequisites, Rrt -> Bsm -> Rrt; no advance caught in it can ever be invented.",
                  "error @32: Advance \"Alpha\" (Al) needs itself through a circle of "
                  "prerequisites, Al -> Ga -> Be -> Al; no advance caught in it can ever be "
                  "invented.",
                  "warning @30: Advance \"Steam\" (Stm) can never be invented: it needs an advance "
                  "of the circle Rrt -> Bsm -> Rrt.",
                  "warning @31: Advance \"Turbine\" (Tur) can never be invented: it needs an "
                  "advance of the circle Rrt -> Bsm -> Rrt.",
              }));
}

TEST(PrerequisiteLinks, TwoLoopsThroughOneAdvanceAreOneCircle) {
    const RulesDocument doc = Parsed(RulesFile({Advance("Hub", "Hb", "Sa", "Sb"),
                                                Advance("Spoke A", "Sa", "Hb"),
                                                Advance("Spoke B", "Sb", "Hb")},
                                               {}));
    const PrerequisiteLinks links(doc.Advances());
    ASSERT_EQ(links.Circles().size(), 1u);
    EXPECT_EQ(links.Circles()[0].members, (std::vector<int>{1, 2, 3}));
    const Problems problems = CheckRules(doc);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].text,
              "Advance \"Hub\" (Hb) needs itself through a circle of prerequisites, Hb -> Sa -> "
              "Hb, which also catches \"Spoke B\" (Sb); no advance caught in it can ever be "
              "invented.");
}

TEST(RulesCheck, ReportsBrokenReferencesAndSharedAbbreviationsAsErrorsFirst) {
    const RulesDocument doc = Parsed(RulesFile(
        {Advance("Bronze Working", "Bro"), Advance("Bronze Age", "Bro", "Xyz"),
         Advance("Currency", "Cur", "Bro", "no")},
        {Unit("Warriors", "Zzz", "nil"), Unit("Phalanx", "no", "Qqq"), Unit("Archers", "Cur", "Bro")}));
    EXPECT_EQ(Texts(CheckRules(doc)),
              (std::vector<std::string>{
                  "error @27: Advance \"Bronze Age\" (Bro): its first prerequisite \"Xyz\" is "
                  "neither \"nil\" nor the abbreviation of an advance.",
                  "error @27: Advance \"Bronze Age\" (Bro) has the same abbreviation as advance "
                  "\"Bronze Working\" (Bro), which every look-up finds first, so this one can never "
                  "be required.",
                  "error @31: Unit \"Warriors\": the advance that makes it obsolete, \"Zzz\", is "
                  "neither \"nil\" nor the abbreviation of an advance.",
                  "error @32: Unit \"Phalanx\": its prerequisite \"Qqq\" is neither \"nil\" nor the "
                  "abbreviation of an advance.",
              }));
}

TEST(RulesCheck, WarnsAboutValuesTheEditorWouldNotOfferAndUnitsNeverBuilt) {
    RulesDocument doc = Parsed(RulesFile(
        {Advance("Wheel", "Whl"), Advance("Wheel", "Wh2", "nil", "nil", "5"),
         Advance("Optics", "Opt", "Whl", "Mag", "0"), Advance("Magnetism", "Mag", "Whl", "nil", "1")},
        {Unit("Chariot", "Whl", "Whl"), Unit("Galley", "Whl", "Opt"), Unit("Scout", "nil", "nil"),
         Unit("Scout", "nil", "nil")}));
    // What a user can type into the forms, which the file itself cannot hold.
    doc.Units().At(3).attack = "7x";
    doc.Units().At(3).moves = "25";
    doc.Units().At(3).flags = "0101";
    doc.Advances().At(1).modifier = "-2";  // fine: a minus sign is allowed here
    doc.Advances().At(1).aiValue = "";
    doc.Cosmic().SetValue(4, "4b");

    EXPECT_EQ(Texts(CheckRules(doc)),
              (std::vector<std::string>{
                  "warning @7: \"# of rows in shield box\" is \"4b\", not a plain number.",
                  "warning @26: Advance \"Wheel\" (Whl): AI value is empty.",
                  "warning @27: Advance \"Wheel\" (Wh2) has the same name as advance \"Wheel\" "
                  "(Whl), which choices by name take first.",
                  "warning @27: Advance \"Wheel\" (Wh2): epoch 5 is outside 0 to 3, the range the "
                  "editor offers.",
                  "warning @28: Advance \"Optics\" (Opt), of the Ancient epoch, needs "
                  "\"Magnetism\" (Mag) of the later Renaissance epoch.",
                  "warning @32: Unit \"Chariot\" can never be built: it is made obsolete by its "
                  "own prerequisite, \"Wheel\" (Whl).",
                  "warning @33: Unit \"Galley\" can never be built: it is made obsolete by "
                  "\"Wheel\" (Whl), which its prerequisite \"Optics\" (Opt) needs.",
                  "warning @34: Unit \"Scout\": moves 25 is outside 1 to 20, the range the editor "
                  "offers.",
                  "warning @34: Unit \"Scout\": attack \"7x\" is not a plain number.",
                  "warning @34: Unit \"Scout\": flags \"0101\" are not exactly 15 characters of "
                  "\"0\" and \"1\".",
                  "warning @35: Unit \"Scout\" (unit 4) has the same name as unit 3; the two "
                  "cannot be told apart by name.",
              }));
}

TEST(RulesCheck, ReportsTheLinesTheReadersSetAsideAndChangesNothing) {
    const std::string bytes =
        RulesFile({Advance("Wheel", "Whl"), "a line without its commas"}, {Unit("Chariot", "nil", "Whl")});
    RulesDocument doc = Parsed(bytes);
    const Problems problems = CheckRules(doc);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].severity, Severity::Warning);
    EXPECT_EQ(problems[0].line + 1, 27);
    EXPECT_EQ(problems[0].text,
              "@CIVILIZE section: fewer than 6 commas, or no \";\" after the 6th comma; the line "
              "was left as it is.");
    EXPECT_EQ(doc.SaveToBytes(), Parsed(bytes).SaveToBytes());
}

}  // namespace
}  // namespace rules
