#include "rules/check/rules_check.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "rules/check/prerequisite_circles.h"
#include "rules/check/quick_fixes.h"
#include "rules/document/record_fields.h"

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

// Each problem, then its notes.
std::vector<std::string> Texts(const Problems& problems) {
    std::vector<std::string> texts;
    for (const Problem& p : problems) {
        texts.push_back(std::string(SeverityName(p.severity)) + " @" + std::to_string(p.line + 1) +
                        ": " + p.text);
        for (const Problem& n : p.notes)
            texts.push_back(std::string("  ") + SeverityName(n.severity) + " @" +
                            std::to_string(n.line + 1) + ": " + n.text + " [" + n.check + "]");
    }
    return texts;
}

// The checks of single records, without those of the game's balance that
// tables this small set off.
Problems RecordChecks(const RulesDocument& doc) {
    CheckChoice choice;
    choice.disabled = {"no-starting-unit", "no-settler", "role-gap", "outclassed-unit"};
    return CheckRules(doc, choice);
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
        {Unit("Stoker", "nil", "Stm"), Unit("Driver", "nil", "Rrt"), Unit("Porter", "nil", "Rt")}));
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

    // Each circle is one error at its first advance; the advances and units
    // waiting on one are its notes, in file order, and nothing of their own.
    const Problems problems = RecordChecks(doc);
    EXPECT_EQ(Texts(problems),
              (std::vector<std::string>{
                  "error @27: Advance \"Mirror\" (Mir) needs itself through a circle of "
                  "prerequisites, Mir -> Mir; no advance caught in it can ever be invented.",
                  "error @28: Advance \"Railroad\" (Rrt) needs itself through a circle of "
                  "prerequisites, Rrt -> Bsm -> Rrt; no advance caught in it can ever be invented.",
                  "  note @30: Advance \"Steam\" (Stm) can never be invented: it needs an advance "
                  "of the circle Rrt -> Bsm -> Rrt. [never-invented]",
                  "  note @31: Advance \"Turbine\" (Tur) can never be invented: it needs an "
                  "advance of the circle Rrt -> Bsm -> Rrt. [never-invented]",
                  "  note @38: Unit \"Stoker\" can never be built: its prerequisite \"Steam\" (Stm) "
                  "can never be invented. [never-built]",
                  "  note @39: Unit \"Driver\" can never be built: its prerequisite \"Railroad\" "
                  "(Rrt) can never be invented. [never-built]",
                  "error @32: Advance \"Alpha\" (Al) needs itself through a circle of "
                  "prerequisites, Al -> Ga -> Be -> Al; no advance caught in it can ever be "
                  "invented.",
              }));
    // The circle's fix opens it at its first advance's link into it.
    EXPECT_EQ(problems[1].check, "prerequisite-circle");
    EXPECT_EQ(problems[1].field, static_cast<int>(AdvanceField::Prereq1));

    // A consequence switched off goes from its cause too.
    CheckChoice choice;
    choice.disabled = {"never-built", "no-settler", "no-starting-unit"};
    const Problems fewer = CheckRules(doc, choice);
    ASSERT_EQ(fewer.size(), 3u);
    EXPECT_EQ(fewer[1].notes.size(), 2u);
}

TEST(PrerequisiteLinks, TwoLoopsThroughOneAdvanceAreOneCircle) {
    const RulesDocument doc = Parsed(RulesFile({Advance("Hub", "Hb", "Sa", "Sb"),
                                                Advance("Spoke A", "Sa", "Hb"),
                                                Advance("Spoke B", "Sb", "Hb")},
                                               {}));
    const PrerequisiteLinks links(doc.Advances());
    ASSERT_EQ(links.Circles().size(), 1u);
    EXPECT_EQ(links.Circles()[0].members, (std::vector<int>{1, 2, 3}));
    const Problems problems = RecordChecks(doc);
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
    EXPECT_EQ(Texts(RecordChecks(doc)),
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

    EXPECT_EQ(Texts(RecordChecks(doc)),
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

// The reader keeps a number's digits, so "7xa" reads as 7: the check says
// what the line holds, until the unit is changed and its line written anew.
TEST(RulesCheck, NamesWhatTheLineHoldsNotWhatTheReaderKept) {
    RulesDocument doc = Parsed(RulesFile(
        {Advance("Wheel", "Whl")}, {"Scout,nil,0,1.,0,7xa,1d,1h,1f,1,0,0,nil,00100000000000z"}));
    ASSERT_EQ(doc.Units().At(1).attack, "7");
    const Problems problems = RecordChecks(doc);
    EXPECT_EQ(Texts(problems),
              (std::vector<std::string>{
                  "warning @29: Unit \"Scout\": attack \"7x\" is not a plain number.",
                  "warning @29: Unit \"Scout\": flags \"00100000000000z\" are not exactly 15 "
                  "characters of \"0\" and \"1\"."}));
    // The table holds 7 already: the fix mends the line, not the value.
    const std::vector<QuickFix> keep = QuickFixes(doc, problems.front());
    ASSERT_EQ(keep.size(), 1u);
    EXPECT_TRUE(keep[0].edits.empty());
    ASSERT_EQ(keep[0].lines.size(), 1u);
    EXPECT_EQ(keep[0].lines[0].text.substr(0, 22), "Scout,nil,0,1.,0,7a,1d");
    SetFieldText(doc, UnitFieldRef(1, UnitField::Attack), "6");
    SetFieldText(doc, UnitFieldRef(1, UnitField::Flags), "001000000000000");
    EXPECT_TRUE(RecordChecks(doc).empty());
}

TEST(RulesCheck, ReportsTheLinesTheReadersSetAsideAndChangesNothing) {
    const std::string bytes =
        RulesFile({Advance("Wheel", "Whl"), "a line without its commas"}, {Unit("Chariot", "nil", "Whl")});
    RulesDocument doc = Parsed(bytes);
    const Problems problems = RecordChecks(doc);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].severity, Severity::Warning);
    EXPECT_EQ(problems[0].line + 1, 27);
    EXPECT_EQ(problems[0].text,
              "@CIVILIZE section: fewer than 6 commas, or no \";\" after the 6th comma; the line "
              "was left as it is.");
    EXPECT_EQ(doc.SaveToBytes(), Parsed(bytes).SaveToBytes());
}

// A unit of `domain` and `role` with the given attack, defense and cost;
// every other value 1, no flags.
std::string Fighter(const std::string& name, const std::string& obsolete, const std::string& prereq,
                    int domain, int role, int attack, int defense, int cost,
                    const std::string& flags = "000000000000000") {
    return name + "," + obsolete + "," + std::to_string(domain) + ",1.,0," +
           std::to_string(attack) + "a," + std::to_string(defense) + "d,1h,1f," +
           std::to_string(cost) + ",0," + std::to_string(role) + "," + prereq + "," + flags;
}

// The problems of one check, as "@LINE: TEXT".
std::vector<std::string> Found(const RulesDocument& doc, const std::string& check,
                               const CheckChoice& choice = {}) {
    std::vector<std::string> found;
    for (const Problem& p : CheckRules(doc, choice))
        if (p.check == check) found.push_back("@" + std::to_string(p.line + 1) + ": " + p.text);
    return found;
}

TEST(RulesCheck, LinesSetAsideAlikeOneAfterAnotherAreOneProblem) {
    // Two malformed advance lines, a good one, one more malformed; then 56
    // units, a blank line before the last: the last two are beyond the room.
    std::vector<std::string> units;
    for (int k = 1; k <= 56; ++k) units.push_back(Unit("U" + std::to_string(k), "nil", "nil"));
    std::string bytes = RulesFile({"no commas", "none here", Advance("Wheel", "Whl"), "nor here"}, {});
    std::string unitLines;
    for (std::size_t k = 0; k < units.size(); ++k)
        unitLines += units[k] + (k == 54 ? "\r\n\r\n" : "\r\n");
    bytes.insert(bytes.rfind(";\r\n"), unitLines);
    const RulesDocument doc = Parsed(bytes);
    EXPECT_EQ(Found(doc, "set-aside-line", {}),
              (std::vector<std::string>{
                  "@26: @CIVILIZE section: 2 lines from line 26 to line 27: fewer than 6 commas, "
                  "or no \";\" after the 6th comma; they were left as they are.",
                  "@29: @CIVILIZE section: fewer than 6 commas, or no \";\" after the 6th comma; "
                  "the line was left as it is.",
                  "@86: @UNITS section: 2 lines from line 86 to line 88: the table already holds "
                  "its 54 units; they were left as they are."}));
}

const std::initializer_list<std::string> kAges = {
    Advance("Bronze", "Brz"), Advance("Feudal Oaths", "Feu", "Brz"),
    Advance("Chivalry", "Chv", "Feu"), Advance("Loop", "Lp", "Lp")};  // lines 26 to 29

TEST(BalanceChecks, AGameWithoutAStartingUnitOrASettler) {
    // Every unit needs an advance; the only settler waits on a circle.
    const RulesDocument none = Parsed(RulesFile(
        kAges, {Fighter("Pikes", "nil", "Feu", 0, 1, 1, 2, 2), Fighter("Homesteaders", "nil", "Lp", 0, 5, 0, 1, 3)}));
    EXPECT_EQ(Found(none, "no-starting-unit"),
              (std::vector<std::string>{"@32: No unit can be built at the start of a game: every "
                                        "unit's prerequisite is an advance."}));
    EXPECT_EQ(Found(none, "no-settler"),
              (std::vector<std::string>{"@32: No unit with the role Settle can ever be built."}));

    // A unit that needs "no" needs the advance no one can reach: no starting
    // unit, and one that is never built.
    RulesDocument some = Parsed(RulesFile(
        kAges, {Fighter("Pikes", "nil", "no", 0, 1, 1, 2, 2), Fighter("Homesteaders", "nil", "Chv", 0, 5, 0, 1, 3)}));
    EXPECT_EQ(Found(some, "no-starting-unit").size(), 1u);
    EXPECT_EQ(Found(some, "never-built"),
              (std::vector<std::string>{"@32: Unit \"Pikes\" can never be built: its prerequisite "
                                        "\"no\" is an advance no one can reach."}));

    // Near misses: one unit needs "nil", and the settler needs an advance
    // that can be invented (a value typed wrong elsewhere does not matter).
    some.Units().At(1).prereq = "nil";
    some.Units().At(2).attack = "7x";
    EXPECT_TRUE(Found(some, "no-starting-unit").empty());
    EXPECT_TRUE(Found(some, "no-settler").empty());
}

TEST(BalanceChecks, RoleGapWhenTheSuccessorNeedsMoreThanTheRetiringAdvance) {
    // Spears retire with Feudal Oaths; Knights Guard (land, Defend) need
    // Chivalry, which comes later; Longboat is of the sea.
    const RulesDocument gap = Parsed(RulesFile(
        kAges, {Fighter("Spears", "Feu", "nil", 0, 1, 1, 2, 2), Fighter("Knights Guard", "nil", "Chv", 0, 1, 2, 3, 4),
                Fighter("Longboat", "nil", "Feu", 2, 1, 1, 2, 2)}));
    EXPECT_EQ(Found(gap, "role-gap"),
              (std::vector<std::string>{
                  "@32: Unit \"Spears\" is made obsolete by \"Feudal Oaths\" (Feu), and no other "
                  "land unit with the role Defend can be built by a player who knows it and what it "
                  "needs."}));

    // Near miss: the successor needs exactly the retiring advance.
    const RulesDocument covered = Parsed(RulesFile(
        kAges, {Fighter("Spears", "Feu", "nil", 0, 1, 1, 2, 2), Fighter("Pikes", "nil", "Feu", 0, 1, 1, 3, 3)}));
    EXPECT_TRUE(Found(covered, "role-gap").empty());
}

TEST(BalanceChecks, OutclassedByACheaperOrBetterUnitAvailableAsEarly) {
    const RulesDocument doc = Parsed(RulesFile(
        kAges,
        {
            Fighter("Clubs", "nil", "nil", 0, 0, 2, 1, 3),                    // 32
            Fighter("Axes", "nil", "Feu", 0, 0, 2, 1, 4, "100000000000000"),  // 33: a flag
            Fighter("Maces", "nil", "Chv", 0, 0, 2, 1, 4),                    // 34: Clubs do it cheaper
            Fighter("Slings", "nil", "nil", 0, 0, 3, 0, 2),                   // 35: cheaper, weaker
            Fighter("Lances", "Chv", "Brz", 0, 0, 4, 1, 3),                   // 36: better, but later
            Fighter("Sabres", "nil", "Chv", 0, 0, 4, 1, 3),                   // 37: Lances retire
        }));
    EXPECT_EQ(Found(doc, "outclassed-unit"),
              (std::vector<std::string>{
                  "@34: Unit \"Maces\" is outclassed by unit \"Clubs\": of the same domain and "
                  "role, available whenever it is, costing no more and at least as good in every "
                  "value and flag.",
              }));
    // The place pointed to beside it is the unit that outclasses it.
    for (const Problem& p : CheckRules(doc))
        if (p.check == "outclassed-unit") {
            EXPECT_EQ(p.other, 1);
            EXPECT_STREQ(OtherRecordText(p), "The unit that outclasses it.");
        }
}

TEST(BalanceChecks, RedundantPrerequisiteOnlyWhenAskedFor) {
    const RulesDocument doc = Parsed(RulesFile(
        {Advance("Bronze", "Brz"), Advance("Feudal Oaths", "Feu", "Brz"),
         Advance("Chivalry", "Chv", "Feu", "Brz"),   // Brz is needed by Feu already
         Advance("Optics", "Opt", "Brz", "Feu"),     // the other way round
         Advance("Sailing", "Sai", "Brz", "Lp"), Advance("Loop", "Lp", "Lp")},
        {Fighter("Homesteaders", "nil", "nil", 0, 5, 0, 1, 3)}));
    EXPECT_TRUE(Found(doc, "redundant-prerequisite").empty());
    CheckChoice choice;
    choice.enabled = {"redundant-prerequisite"};
    EXPECT_EQ(Found(doc, "redundant-prerequisite", choice),
              (std::vector<std::string>{
                  "@28: Advance \"Chivalry\" (Chv): its second prerequisite \"Bronze\" (Brz) is "
                  "already needed by its first, \"Feudal Oaths\" (Feu).",
                  "@29: Advance \"Optics\" (Opt): its first prerequisite \"Bronze\" (Brz) is "
                  "already needed by its second, \"Feudal Oaths\" (Feu).",
              }));
    // Errors cannot be switched off.
    choice.disabled = {"prerequisite-circle"};
    EXPECT_FALSE(Found(doc, "prerequisite-circle", choice).empty());
}

TEST(QuickFixes, EachFixMendsItsProblem) {
    RulesDocument doc = Parsed(RulesFile(
        {Advance("Bronze", "Brz"), Advance("Feudal Oaths", "Feu", "Brx"),  // a typing slip
         Advance("Chivalry", "Chv", "Lp"), Advance("Loop", "Lp", "Chv")},   // a circle
        {Fighter("Homesteaders", "nil", "nil", 0, 5, 0, 1, 3)}));
    doc.Units().At(1).attack = "7x";
    doc.Units().At(1).cost = "40";
    const auto fixesOf = [&](const std::string& check) {
        for (const Problem& p : CheckRules(doc))
            if (p.check == check) return QuickFixes(doc, p);
        return std::vector<QuickFix>{};
    };
    const auto titles = [](const std::vector<QuickFix>& fixes) {
        std::vector<std::string> out;
        for (const QuickFix& f : fixes) out.push_back(f.title);
        return out;
    };
    const auto apply = [&](const QuickFix& fix) {
        for (const auto& [ref, value] : fix.edits) SetFieldText(doc, ref, value);
    };

    const auto unknown = fixesOf("unknown-advance");
    EXPECT_EQ(titles(unknown), (std::vector<std::string>{"Set to nil", "Did you mean \"Bronze\" (Brz)?"}));
    ASSERT_EQ(unknown.size(), 2u);
    EXPECT_TRUE(unknown[1].preferred && !unknown[0].preferred);  // the close match is meant
    EXPECT_EQ(unknown[1].edits.front().first, AdvanceFieldRef(2, AdvanceField::Prereq1));
    apply(unknown[1]);
    EXPECT_EQ(doc.Advances().At(2).prereq1, "Brz");

    const auto circle = fixesOf("prerequisite-circle");
    ASSERT_EQ(circle.size(), 1u);
    EXPECT_EQ(circle[0].edits.front().first, AdvanceFieldRef(3, AdvanceField::Prereq1));
    apply(circle[0]);
    EXPECT_EQ(titles(fixesOf("out-of-range")),
              (std::vector<std::string>{"Set to the nearest allowed value, 20"}));
    apply(fixesOf("out-of-range").at(0));
    EXPECT_EQ(titles(fixesOf("not-a-number")), (std::vector<std::string>{"Keep the leading number, 7"}));
    apply(fixesOf("not-a-number").at(0));
    EXPECT_EQ(Texts(CheckRules(doc)), std::vector<std::string>{});

    // A text with no close advance gets no guess; a name gets "Show both".
    doc.Units().At(1).prereq = "Qqqqqq";
    EXPECT_EQ(titles(fixesOf("unknown-advance")), (std::vector<std::string>{"Set to nil"}));
    EXPECT_TRUE(fixesOf("unknown-advance").at(0).preferred);
    doc.Advances().At(4).name = "Bronze";
    const auto both = fixesOf("same-name");
    ASSERT_EQ(both.size(), 1u);
    EXPECT_TRUE(both[0].edits.empty());
    EXPECT_EQ(both[0].record, 1);
}

}  // namespace
}  // namespace rules
