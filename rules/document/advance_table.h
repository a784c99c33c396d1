#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "rules/document/findings.h"
#include "rules/document/line_store.h"
#include "rules/document/record_fields.h"
#include "rules/document/section_reader.h"
#include "rules/document/text_routines.h"

namespace rules {

struct AdvanceRecord {
    std::string name;
    std::string aiValue;
    std::string modifier;
    std::string prereq1;  // abbreviation, or "nil" / "no"
    std::string prereq2;
    std::string epoch;     // 0 Ancient .. 3 Modern, as text
    std::string category;  // 0 Military .. 4 Applied, as text
    std::string abbrev;
    int line = -1;  // line it was read from; the writer puts it back there

    // The designed form, for a line that cannot be edited in place:
    // "name, aiValue, modifier, prereq1, prereq2, epoch, category ; abbrev"
    std::string Render() const;
    bool operator==(const AdvanceRecord&) const = default;
};

// Where each of an advance's values stands on its line.
using AdvanceLayout = LineLayout<static_cast<std::size_t>(AdvanceField::Count)>;

// How many values `epoch` and `category` take; their words are in the field
// table.
constexpr int kEpochCount = 4;
constexpr int kCategoryCount = 5;

// "nil" and "no" both name no advance of the table.
inline bool IsNoAdvance(std::string_view text) { return text == "nil" || text == "no"; }
// Needing "nil" is needing nothing; needing "no" is needing an advance that
// no one can ever reach.
inline constexpr std::string_view kNoAdvance = "nil";
inline constexpr std::string_view kUnreachableAdvance = "no";

// The advances of the "@CIVILIZE" section, numbered from 1. The slot after
// the last advance holds the sentinel (prereq1, prereq2 and abbrev "endend");
// no search ever goes past it.
class AdvanceTable {
  public:
    static constexpr int kSlots = 95;
    static constexpr int kCapacity = kSlots - 1;  // the sentinel takes a slot

    AdvanceTable();

    void Read(const LineStore& store, Findings& findings);
    // Writes the records that differ from their baseline, each edited in
    // place on its line (see LineNow); every other record line gets back the
    // bytes it had when read or last saved.
    void Write(LineStore& store) const;
    // The line that saving writes for record `number` now.
    std::string LineNow(int number) const {
        return baseline_.LineNow(SectionId::Advances, Members(), slots_, number);
    }
    // Record `number`'s line as read or last saved, and where its values
    // stand on it (unknown for a line that was not read as an advance).
    const std::string& SavedLine(int number) const { return baseline_.lines.at(number - 1); }
    const AdvanceLayout& SavedLayout(int number) const { return baseline_.layouts.at(number - 1); }
    // Gives record `number` another saved line holding the same values, with
    // other spacing (aligning the columns); false, and nothing changes, when
    // `line` does not read as the saved record.
    // Reads record `number` again from its line's new text (the text
    // editor's edit of it), as Read would: false, and nothing changes, when
    // the text would give no record.
    bool Reread(int number, std::string_view line);
    bool Respace(int number, std::string line);
    // Makes the records as they are now, and their lines in `store`, the
    // baseline: called once the file holding them has been written.
    void TakeBaseline(const LineStore& store);
    // Record `number` as read or last saved, and whether it differs from that.
    const AdvanceRecord& Saved(int number) const { return baseline_.records.at(number - 1); }
    bool Changed(int number) const { return baseline_.Changed(slots_, number); }

    int Count() const { return count_; }
    // 1-based; 1 .. Count() are advances, Count() + 1 is the sentinel.
    AdvanceRecord& At(int number) { return slots_.at(number - 1); }
    const AdvanceRecord& At(int number) const { return slots_.at(number - 1); }

    // Searches from advance 1 up to the last advance (never the sentinel);
    // the first match wins. 0 when nothing matches.
    int FindByAbbrev(std::string_view abbrev) const;
    int FindByName(std::string_view name) const;
    // The lowest-numbered advance whose prereq1 or prereq2 is the abbrev of
    // advance `number`; 0 when none.
    int FindNextTarget(int number) const;

    // "nil" then every name in table order, as read: the four choice lists.
    std::vector<std::string> ChoiceNames() const;
    // Every name in table order: the outline.
    std::vector<std::string> Names() const;

    const SectionRange& Range() const { return range_; }

    // Parses one data line (already known to be longer than 5 bytes); false
    // for a malformed line (fewer than 6 commas or no ";" after the 6th comma,
    // counted after squeezing). With `layout`, notes where each value stands.
    static bool ParseLine(std::string_view line, AdvanceRecord& out,
                          AdvanceLayout* layout = nullptr);

  private:
    std::array<AdvanceRecord, kSlots> slots_;
    int count_ = 0;
    SectionRange range_;
    using Baseline = detail::Baseline<AdvanceRecord, kSlots, static_cast<std::size_t>(AdvanceField::Count)>;
    static const Baseline::Members& Members();
    Baseline baseline_;
};

}  // namespace rules
