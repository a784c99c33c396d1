#pragma once

// A three-way merge of rules files, field by field: what THEIRS changed
// against BASE is brought onto OURS. Records are matched by what they are
// (AlignRecords: a unit's name, an advance's name or abbreviation, another
// section's row by its first value), so a change follows its record when the
// other side added or removed records above it; the rows of the other
// sections merge cell by cell, a row's values and its comment taken as its
// fields. A field changed on one side only takes that side's text, on both sides to the same text takes it, and on both sides to
// different texts is a conflict, where OURS's text stays. The lines outside
// the records merge line by line the same way (a line changed, removed or
// added on one side is taken). Nothing here ever writes conflict markers:
// the result is always a rules file the game can read.
//
// The editor applies a plan through its own edit commands (the field edits
// as one step) and shows the conflicts; the command-line tool writes the
// merged bytes.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/document/language.h"
#include "rules/document/record_fields.h"
#include "rules/sections/cell_ref.h"

namespace rules {

class RulesDocument;

// A field THEIRS changed while OURS kept BASE's text: set it on OURS.
struct MergeFieldEdit {
    FieldRef ref;
    std::string text;   // THEIRS's text, Windows-1252
    int oursLine = -1;  // 0-based line of the record in OURS
};

// A cell of another section THEIRS changed while OURS kept BASE's text.
struct MergeCellEdit {
    CellRef ref;  // the cell in OURS
    std::string text;
    int oursLine = -1;
};

// A change of OURS's lines that no field edit makes: a line outside the
// records that THEIRS changed, a line or record THEIRS removed, lines (and
// records) THEIRS added.
struct MergeLineEdit {
    enum class Kind { Replace, Remove, InsertAfter };
    Kind kind = Kind::Replace;
    // 0-based line of OURS; for InsertAfter, -1 puts the lines before the
    // first line.
    int oursLine = -1;
    // Replace: THEIRS's line; InsertAfter: THEIRS's lines; Remove: none.
    std::vector<std::string> texts;
};

// A place both sides changed differently. OURS's text stays there.
struct MergeConflict {
    enum class Kind {
        Field,  // a field both sides changed to different texts
        Record, // a record one side removed and the other changed
        Lines,  // lines outside the records (or records both sides added)
    };
    Kind kind = Kind::Field;
    FieldRef ref;        // Field: the field; Record: its section and record
    std::string label;   // `Unit "Ember Guard"`, `Row "Bog" of TERRAIN` (OURS's name); empty for lines
    std::string what;    // Record and Lines: "removed in theirs, changed in ours", ...
    int oursLine = -1;   // 0-based; -1 where OURS lacks it
    // The texts of each side, Windows-1252: the field's, or the lines' (one
    // line per line); none where that side lacks it.
    std::optional<std::string> base, ours, theirs;
    // A row of another section rather than a record: the name of its
    // section ("TERRAIN"; empty for a record), the cell in OURS (its section
    // -1 where OURS lacks the row; column 0 for a whole row) and, for a
    // cell, its column's heading.
    std::string otherSection;
    CellRef cell;
    std::string column;
};

struct MergePlan {
    std::vector<MergeFieldEdit> fields;         // in section and field order
    std::vector<MergeCellEdit> cells;           // in section, row and column order
    std::vector<MergeLineEdit> lines;           // in OURS's line order
    std::vector<MergeConflict> conflicts;  // in OURS's line order; those OURS lacks last

    bool Clean() const { return conflicts.empty(); }
    // How many changes of THEIRS the plan brings: fields, and lines
    // replaced, removed or added.
    int Changes() const;
};

// What THEIRS changed against BASE that can be brought onto OURS, and the
// conflicts. The three documents must be parsed; OURS may hold unsaved
// edits (the editor's document). None is changed.
MergePlan PlanMerge(const RulesDocument& base, const RulesDocument& ours,
                    const RulesDocument& theirs);

// Sets the plan's fields and cells on OURS (the document the plan was made for) and
// returns the bytes a save would write, with the plan's line edits made.
std::string ApplyMerge(RulesDocument& ours, const MergePlan& plan);

struct MergeResult {
    MergePlan plan;
    std::string bytes;  // the merged file
    // Base, ours, theirs: whether each holds any of the sections at all.
    std::array<bool, 3> holdsRules = {true, true, true};
};

// The whole merge of three files' bytes. Line breaks aside: a side that
// changed nothing else changed nothing, and every line of the result has
// OURS's break (lines from THEIRS that of the line of OURS before them).
// When OURS's lines are BASE's the result is THEIRS's lines, and the other
// way round; when there is nothing to take from THEIRS it is OURS's bytes.
// `language` is OURS's: a cosmic value taken from THEIRS is written in its
// words.
MergeResult MergeFiles(std::string_view base, std::string_view ours, std::string_view theirs,
                       Language language);

// One conflict in words, Windows-1252:
// `Unit "Ember Guard": attack base 2, ours 3, theirs 4`,
// `Row "Bog" of TERRAIN: column "defense" base 1, ours 2, theirs 3`,
// `Cosmic value RoadMove: base 3, ours 4, theirs 5`,
// `Unit "Sky Barge": removed in theirs, changed in ours`,
// `line base "; old", ours "; mine", theirs "; yours"`.
std::string ConflictText(const MergeConflict& conflict);

// "No conflicts; 3 changes taken from theirs." or
// "1 conflict, where ours is kept; 2 changes taken from theirs."
std::string MergeSummary(const MergePlan& plan);

}  // namespace rules
