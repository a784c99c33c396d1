#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"
#include "rules/document/value_span.h"
#include "rules/language/text_places.h"

namespace rules::language {

// One section of the file: its header line ("@UNITS") and the lines after
// it, up to and with the ";" line that ends it, or up to the next header or
// the end of the file.
struct SectionPlace {
    std::string name;  // after the "@", Windows-1252 bytes
    int header = 0;
    int end = 0;  // the first line after the section
    // Which of the three tables the readers filled from it; none for any
    // other section, and for a second header of the same name, which the
    // readers never look at.
    std::optional<SectionId> table;
};

// A place where an advance is named by its abbreviation: a field of a
// record whose look-up finds that advance, or a whole field of a line of
// another section ("Glass Orchard, 30, Ggr") that equals its abbreviation.
struct Mention {
    TextRange range;
    std::optional<FieldRef> field;  // none outside the three tables
};

struct RecordPlace {
    SectionId section = SectionId::Units;
    int record = 0;
};

// Where the sections, the records and their fields, and the names of the
// advances stand in a rules document; worked out once per version of it.
class DocumentMap {
  public:
    explicit DocumentMap(const RulesDocument& document);

    const std::vector<SectionPlace>& Sections() const { return sections_; }
    // The section a line belongs to (its header included), or nullptr.
    const SectionPlace* SectionAt(int line) const;

    // The record read from a line, or none.
    std::optional<RecordPlace> RecordOn(int line) const;
    // The line a record was read from; -1 when none holds it.
    int LineOf(SectionId section, int record) const;
    // Where a field's text stands on its record's line, as its reader found
    // it (without the spaces around it).
    TextRange FieldRange(const FieldRef& ref) const;
    // The field of a record whose stretch between its separators holds the
    // column (a column on a separator belongs to the field before it); -1
    // when none does.
    int FieldAt(RecordPlace record, int column) const;
    // A line's text without the spaces around it.
    TextRange LineRange(int line) const;

    // The advance that the abbreviation names, as the game's look-ups find
    // it (the first with it); 0 when none has it.
    int AdvanceNamed(const std::string& abbrev) const;
    // Every place that names advance `number`, in file order.
    const std::vector<Mention>& MentionsOf(int number) const;

    // Record `record` was read again from its changed line: its mentions
    // follow it. False when the change alters which advance an abbreviation
    // names, which every mention may follow: the map must then be made anew.
    bool RecordReread(RecordPlace record);

  private:
    void AddMentionsOf(const FieldRef& ref);
    ValueSpan SpanOf(const FieldRef& ref) const;
    void MapSections();
    void MapMentions();

    const RulesDocument& document_;
    std::vector<SectionPlace> sections_;
    std::unordered_map<int, RecordPlace> records_;
    std::unordered_map<std::string, int> firstWithAbbrev_;
    std::vector<std::vector<Mention>> mentions_;  // by advance number
};

}  // namespace rules::language
