#pragma once

// What the families of checks share while one check runs: the tables, the
// prerequisite links, and the problems found so far. Only the check's own
// source files use it.

#include <algorithm>
#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/check/prerequisite_circles.h"
#include "rules/check/problem.h"
#include "rules/document/field_values.h"
#include "rules/document/rules_document.h"

namespace rules::check_detail {

// The value of a plain number, as the Table page reads it too.
inline std::optional<long> PlainNumber(std::string_view text, bool minusAllowed = false) {
    return PlainWholeNumber(text, minusAllowed);
}

// "\"Bronze Working\"", as UTF-8.
std::string Quoted(std::string_view bytes);
// "\"Bronze Working\" (Bro)"
std::string AdvanceLabel(const AdvanceRecord& advance);

class CheckContext {
  public:
    explicit CheckContext(const RulesDocument& document)
        : document(document), advances(document.Advances()), units(document.Units()),
          links(advances) {}

    const RulesDocument& document;
    const AdvanceTable& advances;
    const UnitTable& units;
    const PrerequisiteLinks links;
    Problems problems;

    Problem& Add(Severity severity, const char* check, SectionId section, int record, int line,
                 std::string text, int field = -1);
    Problem& AdvanceProblem(Severity severity, const char* check, int k, std::string text,
                            int field = -1) {
        return Add(severity, check, SectionId::Advances, k, advances.At(k).line, std::move(text),
                   field);
    }
    Problem& UnitProblem(Severity severity, const char* check, int k, std::string text,
                         int field = -1) {
        return Add(severity, check, SectionId::Units, k, units.At(k).line, std::move(text), field);
    }

    // Bit p of Needed(k): advance k needs advance p, directly or through a
    // chain. Only for advances that can be invented (their chains hold no
    // circle); each worked out once.
    using AdvanceSet = std::bitset<AdvanceTable::kSlots + 1>;
    const AdvanceSet& Needed(int k);

    // Whether unit k can be built in some game: it needs no advance, or one
    // that can be invented and that does not make it obsolete on the way.
    bool CanBeBuilt(int k);

  private:
    std::vector<AdvanceSet> needed_;
    std::vector<bool> neededKnown_;
};

// The families of checks, each in its own source file.
// Each cosmic value: a plain number within the range the editor offers.
void CheckCosmicValues(CheckContext& context);
void CheckBalance(CheckContext& context, bool redundantPrerequisites);
// The structure of other section `section` (0-based): rows with an unusual
// count of values, a lone value that is no number in a column of numbers.
void CheckOtherSection(CheckContext& context, int section);

}  // namespace rules::check_detail
