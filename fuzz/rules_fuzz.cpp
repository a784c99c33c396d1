// libFuzzer target for the rules document: load, the three readers, the rules
// check, the three writers and saving, on arbitrary bytes. Besides the sanitizers'
// checks it asserts what saving promises:
//   - saving without edits writes the loaded bytes, line breaks made CR LF;
//   - after an edit of a few records, the saved file has as many lines as the
//     loaded one, each edited record's line differs from the old one only in
//     the changed values and the spaces beside them (later columns staying
//     where the padding had room), and every other line (unchanged records
//     included) is as it was;
//   - saving is idempotent, and the saved bytes read back to the same tables.
// The first input byte picks the language (the cosmic comments differ).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "rules/document/cp1252.h"
#include "rules/check/rules_check.h"
#include "rules/document/rules_document.h"
#include "rules/document/text_routines.h"
#include "line_edit_check.h"

namespace {

[[noreturn]] void Violation(const char* what, int line = -1) {
    std::fprintf(stderr, "rules_fuzz: %s (line %d)\n", what, line);
    std::abort();
}

void Require(bool condition, const char* what, int line = -1) {
    if (!condition) Violation(what, line);
}

// For each line, the section and the fields of the changed record it holds.
struct ChangedRecord {
    rules::SectionId section = rules::SectionId::Units;
    std::set<int> fields;
};
std::vector<ChangedRecord> ChangedLines(const rules::RulesDocument& doc, int lineCount) {
    std::vector<ChangedRecord> owner(static_cast<std::size_t>(lineCount));
    for (const rules::SectionId section :
         {rules::SectionId::Cosmic, rules::SectionId::Advances, rules::SectionId::Units}) {
        for (int record = 1; record <= rules::RecordCount(doc, section); ++record) {
            if (!doc.RecordChanged(section, record)) continue;
            const int line = section == rules::SectionId::Cosmic ? doc.Cosmic().LineOf(record - 1)
                             : section == rules::SectionId::Units ? doc.Units().At(record).line
                                                                  : doc.Advances().At(record).line;
            Require(line >= 0 && line < lineCount, "a record points outside the file", line);
            ChangedRecord& changed = owner[static_cast<std::size_t>(line)];
            Require(changed.fields.empty(), "two records claim one line", line);
            changed.section = section;
            for (int field = 0; field < rules::FieldCount(section); ++field)
                if (doc.Changed({section, record, field})) changed.fields.insert(field);
        }
    }
    return owner;
}

// Edits the first and the last record of each section, if any; the input's
// second byte picks which field.
void EditSomeRecords(rules::RulesDocument& doc, unsigned pick) {
    for (const rules::SectionId section :
         {rules::SectionId::Cosmic, rules::SectionId::Advances, rules::SectionId::Units}) {
        const int count = rules::RecordCount(doc, section);
        for (const int record : {1, count}) {
            if (count == 0) continue;
            // A cosmic value that no line holds is never written.
            if (section == rules::SectionId::Cosmic && doc.Cosmic().LineOf(record - 1) < 0)
                continue;
            const rules::FieldRef ref{section, record,
                                      static_cast<int>(pick % static_cast<unsigned>(
                                                                  rules::FieldCount(section)))};
            rules::SetFieldText(doc, ref, rules::FieldText(doc, ref) + "7");
        }
    }
}

void CheckTextRoutines(std::string_view text) {
    // Squeezing leaves only single spaces between letters, so a second
    // squeeze changes nothing.
    std::string once(text);
    rules::SqueezeSpaces(once);
    std::string twice = once;
    rules::SqueezeSpaces(twice);
    Require(once == twice, "squeezing is not idempotent");

    // Every Windows-1252 byte has a Unicode character and back.
    const auto back = rules::Utf8ToCp1252(rules::Cp1252ToUtf8(text));
    Require(back.has_value() && *back == text, "the code page round trip changed the bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto language = rules::LanguageFromIndex(data[0] % 3);
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);

    CheckTextRoutines(input.substr(0, 4096));

    rules::LineStore original;
    original.LoadBytes(input);
    const int lineCount = original.LineCount();

    rules::RulesDocument doc;
    doc.LoadBytes(input, language);
    doc.Parse();
    for (const rules::Problem& problem : rules::CheckRules(doc))
        Require(problem.line < lineCount, "a problem names a line past the end", problem.line);
    Require(doc.SaveToBytes() == original.SaveBytes(), "saving without edits changed the file");
    Require(!doc.HasUnsavedChanges(), "a document without edits has unsaved changes");

    EditSomeRecords(doc, input.empty() ? 0u : static_cast<unsigned char>(input[0]));
    const std::string saved = doc.SaveToBytes();

    rules::LineStore reloaded;
    reloaded.LoadBytes(saved);
    Require(reloaded.LineCount() == lineCount, "saving changed the number of lines");
    Require(reloaded.EndsWithLineBreak() == original.EndsWithLineBreak() || lineCount == 0,
            "saving changed the final line break");

    const auto owner = ChangedLines(doc, lineCount);
    for (int i = 0; i < lineCount; ++i) {
        const ChangedRecord& changed = owner[static_cast<std::size_t>(i)];
        if (!changed.fields.empty()) {
            const std::string what = rules::testing::OnlyChangedValuesMoved(
                changed.section, original.GetLine(i), reloaded.GetLine(i), changed.fields);
            if (!what.empty()) {
                std::fprintf(stderr, "rules_fuzz: %s\n", what.c_str());
                Violation("a changed record's line changed beyond its values", i);
            }
        } else {
            Require(reloaded.GetLine(i) == original.GetLine(i),
                    "a line without a changed record changed", i);
        }
    }

    // Rendering again writes the same bytes.
    Require(doc.SaveToBytes() == saved, "saving twice gave different bytes");

    // The saved file reads back to the same records and saves to the same bytes.
    rules::RulesDocument again;
    again.LoadBytes(saved, language);
    again.Parse();
    Require(again.Advances().Count() == doc.Advances().Count(),
            "the saved file reads back other advances");
    Require(again.Units().Count() == doc.Units().Count(), "the saved file reads back other units");
    for (int k = 1; k <= doc.Advances().Count(); ++k)
        Require(again.Advances().At(k) == doc.Advances().At(k), "an advance changed through saving",
                k);
    for (int k = 1; k <= doc.Units().Count(); ++k)
        Require(again.Units().At(k) == doc.Units().At(k), "a unit changed through saving", k);
    for (int p = 0; p < rules::kCosmicCount; ++p)
        Require(again.Cosmic().Value(p) == doc.Cosmic().Value(p),
                "a cosmic value changed through saving", p);
    Require(again.SaveToBytes() == saved, "saving the saved file changed it");
    return 0;
}
