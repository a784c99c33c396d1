#pragma once

#include <string>

#include "rules/document/advance_table.h"
#include "rules/document/cosmic_section.h"
#include "rules/document/field_table.h"
#include "rules/document/file_stamp.h"
#include "rules/document/findings.h"
#include "rules/document/language.h"
#include "rules/document/line_store.h"
#include "rules/document/record_fields.h"
#include "rules/document/status.h"
#include "rules/document/unit_table.h"
#include "rules/sections/other_sections.h"

namespace rules {

// One loaded rules file: its lines, its language, the three section tables
// parsed from it, and the tables of its other sections.
class RulesDocument {
public:
    // Loads the file into the line store and remembers the language and the
    // file name (saving writes that same file). Nothing is parsed yet.
    Status Load(const std::string& fileName, Language language);
    // Same, from bytes (tests, fuzzing, benchmarks).
    void LoadBytes(std::string_view bytes, Language language);
    // Same, keeping `bytes` themselves rather than a copy of them.
    void AdoptBytes(std::string&& bytes, Language language);

    // Runs the three readers: cosmic, advances, units, in that order; then
    // reads the other sections.
    void Parse();
    bool Parsed() const { return parsed_; }

    // Runs the writers (units, advances, cosmic, the other sections) into the
    // line store. Only the lines of records, cosmic values and rows that
    // differ from their baseline (what was read, or what the last save
    // wrote) are rendered; every other line keeps its bytes. Nothing happens
    // when nothing was parsed.
    void Render();
    // Renders, then writes the file it was loaded from; once written, the
    // tables as they are become the baseline. Bytes equal to what the file
    // holds are not written again (its time stays); `written` says whether
    // the file was replaced. Refused, writing nothing: a document never
    // parsed, and one that holds none of the three sections (an empty or
    // binary file), whose line breaks a save would still rewrite.
    Status Save(bool* written = nullptr);
    // Renders, and tells whether Save would write the file: false when the
    // file still holds the bytes it was read with or last written, which is
    // told from the lines changed since (quickly) or, after the whole
    // content was replaced, from their digest.
    bool NeedsWriting();
    // Saves as Save does, writing the file without asking NeedsWriting again
    // (the caller just did).
    Status Write(bool* written = nullptr);
    // Saves as Save does when the file holds the tables already (the caller
    // just asked NeedsWriting): nothing is written, and the tables become
    // the baseline.
    Status MarkSaved();
    // Whether the file read holds at least one of the three sections.
    bool HoldsRules() const;
    // Renders and returns the bytes Save would write.
    std::string SaveToBytes();

    // The file Save writes: the one loaded, or the language's own name.
    std::string TargetFileName() const;
    // Whether another program has written the target file since this
    // document loaded or last saved it: its bytes are no longer those. A
    // file that is gone, or one this document never read or wrote, counts as
    // unchanged, since saving then overwrites nothing of anyone's.
    bool ChangedOnDisk() const;

    // The text a field had when the file was read or last saved: what the
    // file on disk holds for it.
    const std::string& SavedText(const FieldRef& ref) const;
    // Whether a field, a record (a cosmic value for the cosmic section) or
    // any value at all (a row of another section included) differs from what
    // the file on disk holds.
    bool Changed(const FieldRef& ref) const;
    bool RecordChanged(SectionId section, int record) const;
    bool ValuesChanged() const;
    // The one meaning of "unsaved": whether saving would write anything, line
    // breaks aside, because a line differs from what was read or last saved
    // (an edit not changed back, re-padded columns, a restored version).
    // Renders first; whether another program wrote the file meanwhile does
    // not count.
    bool HasUnsavedChanges();
    // The lines and the tables read from them, as they stand: what a step
    // that replaces the whole document swaps in and out. The file the
    // document saves to and what is known of it on disk are not part of it.
    struct Content {
        LineStore lines;
        CosmicSection cosmic;
        AdvanceTable advances;
        UnitTable units;
        OtherSections others;
        Findings findings;
        bool parsed = false;
    };
    Content TakeContent() const&;
    // The same, moved out of a document that is going away: nothing copied.
    Content TakeContent() &&;
    void PutContent(Content content);
    // Puts `content` in and hands back what was there, nothing copied.
    Content SwapContent(Content content);
    // The content these bytes give when read (an earlier version of the
    // file), in this document's language.
    Content ReadContent(std::string_view bytes) const;

    LineStore& Lines() { return lines_; }
    const LineStore& Lines() const { return lines_; }
    CosmicSection& Cosmic() { return cosmic_; }
    const CosmicSection& Cosmic() const { return cosmic_; }
    AdvanceTable& Advances() { return advances_; }
    const AdvanceTable& Advances() const { return advances_; }
    UnitTable& Units() { return units_; }
    const UnitTable& Units() const { return units_; }
    OtherSections& Others() { return others_; }
    const OtherSections& Others() const { return others_; }

    Language GetLanguage() const { return language_; }
    const std::string& FileName() const { return fileName_; }
    const Findings& GetFindings() const { return findings_; }

    static constexpr const char* kNothingToSave = "No rules file was loaded, so there is nothing to save";

private:
    void ResetTables();
    void TakeBaseline();

    LineStore lines_;
    CosmicSection cosmic_;
    AdvanceTable advances_;
    UnitTable units_;
    OtherSections others_;
    Findings findings_;
    Language language_ = Language::English;
    std::string fileName_;
    FileStamp onDisk_;  // what the target held when last read or written
    LineStore savedLines_;  // the lines as read or last saved
    bool parsed_ = false;
};

}  // namespace rules
