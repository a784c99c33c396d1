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

struct UnitRecord {
    std::string name;
    std::string obsoleteBy;  // advance abbreviation, or "nil" / "no"
    std::string domain;      // 0 land, 1 air, 2 sea
    std::string moves;
    std::string rounds;
    std::string attack;
    std::string defense;
    std::string hitPoints;
    std::string firepower;
    std::string cost;
    std::string hold;
    std::string role;    // 0 .. 7
    std::string prereq;  // advance abbreviation, or "nil" / "no"
    std::string flags;   // 15 characters "0"/"1"; character 1 is the leftmost
    int line = -1;       // line it was read from; the writer puts it back there

    // The designed form, for a line that cannot be edited in place:
    // "name,obsoleteBy,domain,moves.,rounds,attacka,defensed,hitPointsh,firepowerf,cost,hold,role,prereq,flags"
    std::string Render() const;
    bool operator==(const UnitRecord&) const = default;
};

constexpr int kFlagCount = 15;

// Where each of a unit's values stands on its line.
using UnitLayout = LineLayout<static_cast<std::size_t>(UnitField::Count)>;

// The units of the "@UNITS" section, numbered from 1.
class UnitTable {
public:
    static constexpr int kCapacity = 54;

    void Read(const LineStore& store, Findings& findings);
    // Writes the records that differ from their baseline, each edited in
    // place on its line (see LineNow); every other record line gets back the
    // bytes it had when read or last saved.
    void Write(LineStore& store) const;
    // The line that saving writes for record `number` now.
    std::string LineNow(int number) const {
        return baseline_.LineNow(SectionId::Units, Members(), records_, number);
    }
    // Record `number`'s line as read or last saved, and where its values
    // stand on it (unknown for a line that was not read as a unit).
    const std::string& SavedLine(int number) const { return baseline_.lines.at(number - 1); }
    const UnitLayout& SavedLayout(int number) const { return baseline_.layouts.at(number - 1); }
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
    const UnitRecord& Saved(int number) const { return baseline_.records.at(number - 1); }
    bool Changed(int number) const { return baseline_.Changed(records_, number); }

    int Count() const { return count_; }
    UnitRecord& At(int number) { return records_.at(number - 1); }
    const UnitRecord& At(int number) const { return records_.at(number - 1); }
    std::vector<std::string> Names() const;
    const SectionRange& Range() const { return range_; }

    // false for a malformed line (fewer than 13 commas). With `layout`, notes
    // where each value stands.
    static bool ParseLine(std::string_view line, UnitRecord& out, UnitLayout* layout = nullptr);
    // The same, but every field as the line holds it ("7x" where ParseLine
    // keeps "7"); only the letters the writer puts after a number
    // (ColumnInfo::letterAfter) go.
    static bool ParseLineAsWritten(std::string_view line, UnitRecord& out);

private:
    std::array<UnitRecord, kCapacity> records_;
    int count_ = 0;
    SectionRange range_;
    using Baseline = detail::Baseline<UnitRecord, kCapacity, static_cast<std::size_t>(UnitField::Count)>;
    static const Baseline::Members& Members();
    Baseline baseline_;
};

// Flag character of check box k (1..15) is character 16 - k, counted from 1
// at the left: returns its 0-based index in a 15-character flags text.
constexpr int FlagIndexOfCheckBox(int k) { return kFlagCount - k; }
// True when the check box k shows as checked for these flags.
bool FlagIsSet(std::string_view flags, int checkBox);
// Sets check box k's character to "1"/"0", first padding a short flags text
// with "0" on the left to 15 characters.
void SetFlag(std::string& flags, int checkBox, bool on);

}  // namespace rules
