// The check kept between edits (CheckState) against the check run afresh:
// after every edit of a random sequence, of fields of the tables and of
// cells of other sections, the two must list the same problems, in the same
// order and with the same places.

#include <gtest/gtest.h>

#include <random>

#include "rules/check/check_state.h"
#include "rules/check/rules_check.h"
#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"
#include "rules/sections/section_cells.h"
#include "rules/sections/section_table.h"
#include "rules_file_generator.h"

namespace rules {
namespace {

// Two sections of numbers the generator does not write, so that every
// edit of their cells can make or mend a problem.
constexpr const char* kNumberSections =
    "@TERRAIN\r\nGrass, 1, 2, 3\r\nHill, 2, 4, 1\r\nMarsh, 1, 1, 1\r\nRidge, 3, 3, 2\r\n;\r\n"
    "@HARBORS\r\nCove, 5, 6\r\nFjord, 7, 8\r\nLagoon, 2, 2\r\n;\r\n";

class Editor {
  public:
    Editor(RulesDocument& document, std::uint32_t seed) : document_(document), random_(seed) {}

    // A value that can make a problem or mend one: numbers in and out of
    // range, no number, an advance's abbreviation, another record's name.
    std::string Value() {
        switch (Below(7)) {
            case 0: return std::to_string(Below(12));
            case 1: return "x";
            case 2: return "nil";
            case 3: return "";
            case 4: return "999";
            default: {
                const AdvanceTable& advances = document_.Advances();
                if (advances.Count() == 0) return "1";
                const AdvanceRecord& a = advances.At(Below(advances.Count()) + 1);
                return Below(2) ? a.abbrev : a.name;
            }
        }
    }

    // One edit; returns the other section it changed, or -1 for a table.
    int Edit() {
        const OtherSections& others = document_.Others();
        if (others.Count() > 0 && Below(3) == 0) {
            const int s = Below(others.Count());
            const SectionTable& section = others.At(s);
            if (section.RowCount() > 0 && section.ValueColumns() > 1) {
                const CellRef ref{s, Below(section.RowCount()) + 1,
                                  1 + Below(section.ValueColumns() - 1)};
                if (IsValidCell(document_, ref)) {
                    SetCellText(document_, ref, Below(2) ? std::to_string(Below(9)) : "x");
                    return s;
                }
            }
        }
        const SectionId sections[] = {SectionId::Cosmic, SectionId::Advances, SectionId::Units};
        const SectionId section = sections[Below(3)];
        const int count = section == SectionId::Cosmic     ? kCosmicCount
                          : section == SectionId::Advances ? document_.Advances().Count()
                                                           : document_.Units().Count();
        if (count > 0)
            SetFieldText(document_, {section, Below(count) + 1, Below(FieldCount(section))},
                         Value());
        return -1;
    }

  private:
    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    RulesDocument& document_;
    std::mt19937 random_;
};

TEST(CheckStateProperty, FollowsEveryEditAsACheckAfresh) {
    testing::GeneratorOptions options;
    options.allowDamage = true;
    testing::RulesFileGenerator generator(35, options);
    // A check that is off by default switched on: the state keeps the
    // choice it was given for every later edit.
    CheckChoice choice;
    choice.enabled.push_back("redundant-prerequisite");
    for (int file = 0; file < 8; ++file) {
        RulesDocument document;
        document.LoadBytes(generator.Next().bytes + kNumberSections, Language::English);
        document.Parse();
        CheckState state;
        state.CheckAll(document, choice);
        ASSERT_EQ(state.Problems(), CheckRules(document, choice));
        Editor editor(document, static_cast<std::uint32_t>(file));
        for (int step = 0; step < 40; ++step) {
            const int section = editor.Edit();
            if (section < 0)
                state.TablesChanged(document);
            else
                state.SectionChanged(document, section);
            ASSERT_EQ(state.Problems(), CheckRules(document, choice))
                << "file " << file << ", after edit " << step;
        }
    }
}

}  // namespace
}  // namespace rules
