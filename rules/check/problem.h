#pragma once

#include <string>
#include <vector>

#include "rules/document/findings.h"
#include "rules/sections/cell_ref.h"

namespace rules {

enum class Severity {
    Error,    // the game, or the editor's own look-ups, would go wrong
    Warning,  // likely a mistake
    Note,     // only follows from the problem it is attached to
};

// One thing the rules check found.
struct Problem {
    Severity severity = Severity::Error;
    SectionId section = SectionId::Advances;
    // 1-based number of the advance or unit, or position (1 to 21) of the
    // cosmic value; 0 when the problem belongs to no record.
    int record = 0;
    // 0-based line in the file; -1 when the problem is tied to no line.
    int line = -1;
    // One English sentence, UTF-8, naming the records involved.
    std::string text;
    // The stable name of the kind of problem, "prerequisite-circle" (see
    // CheckKinds()).
    std::string check;
    // The field of the record the problem is about (a rules::FieldRef's
    // field), or -1 when it is about the record as a whole.
    int field = -1;
    // The other record of the same section involved (the first advance with
    // the same abbreviation or name, the unit that outclasses this one), or 0.
    int other = 0;
    // For a problem in another section ("@TERRAIN"): the cell it is about
    // (`record` is then 0, and `section` means nothing); section -1 otherwise.
    CellRef cell;
    // Problems that only follow from this one (what waits on a circle), in
    // file order, each of severity Note. A note has no notes.
    std::vector<Problem> notes;

    bool operator==(const Problem&) const = default;
};

using Problems = std::vector<Problem>;

const char* SeverityName(Severity severity);  // "error", "warning", "note"
// What the problem's other record is to it, one sentence for a place
// pointed to beside the problem's own.
const char* OtherRecordText(const Problem& problem);

}  // namespace rules
