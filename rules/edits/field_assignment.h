#pragma once

// Changing fields by name, as a script does (`ovantra-rules set`): a record
// named as the Table page shows it, fields by their Table headings, values
// read as a Table cell reads what is typed. Texts are Windows-1252 bytes.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "rules/document/findings.h"

namespace rules {

class RulesDocument;

// The section a word names: "unit", "advance" or "cosmic", letter case
// ignored, a plural "s" allowed.
std::optional<SectionId> SectionNamed(std::string_view word);
// What one record of the section is called: "unit", "advance", "cosmic value".
const char* SectionWord(SectionId section);

// The record `name` names in a section: a unit's or an advance's name, a
// cosmic value's key ("RoadMove"), or "#N" for the section's N-th record.
// The spelling in the file wins; letter case is ignored only when no record
// is spelt so. `problem` says why there is none: no record of that name, N
// out of range, or a name two records share (whose numbers it gives).
struct RecordLookup {
    int record = 0;  // 1-based; 0 with a problem
    std::string problem;
};
RecordLookup FindRecord(const RulesDocument& document, SectionId section, std::string_view name);

// The same over any `count` entries (1-based) that nameOf names: "#N", or
// the entry named `name` as spelt, or else the same but for letter case as
// sameButCase tells. Messages call an entry `what` ("unit", "row") and say
// it is not one `kind` ("record", "row") when several share the name.
RecordLookup FindNamed(int count, std::string_view name, std::string_view what,
                       std::string_view kind, const std::function<std::string(int)>& nameOf,
                       const std::function<bool(std::string_view, std::string_view)>& sameButCase);

// One FIELD=VALUE: the field by its Table heading or label (letter case
// ignored, "-" and "_" for spaces), the value as a Table cell takes it.
struct Assignment {
    std::string field;
    std::string value;
};

// Applies the assignments to one record in order, each value read against
// the document as the earlier ones left it (an advance renamed, then named
// as a prerequisite). All or nothing: at the first unknown field or refused
// value the document is left as it was, and the message names them.
// Empty when all were applied.
std::string Assign(RulesDocument& document, SectionId section, int record,
                   std::span<const Assignment> assignments);

}  // namespace rules
