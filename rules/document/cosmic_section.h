#pragma once

#include <array>
#include <string>
#include <string_view>

#include "rules/document/findings.h"
#include "rules/document/language.h"
#include "rules/document/line_store.h"
#include "rules/document/text_routines.h"
#include "rules/document/value_span.h"

namespace rules {

constexpr int kCosmicCount = 21;

// Names of the 21 cosmic values in file order ("RoadMove", "TriremeLost", ...).
const std::array<const char*, kCosmicCount>& CosmicNames();
// The comment written after each value, Windows-1252 bytes, per language.
const std::array<std::string_view, kCosmicCount>& CosmicComments(Language language);

// The 21 global constants, as texts. Position k (0-based here) remembers the
// line it was read from, and the writer puts it back on that line only.
class CosmicSection {
public:
    CosmicSection();  // each value starts as its own name, like a fresh edit field

    // Reads the "@COSMIC" section. Data lines (more than 5 bytes) give the
    // digits found before the first space (the whole line when it has none).
    void Read(const LineStore& store, Findings& findings);
    // Writes each position that was read and whose value differs from its
    // baseline onto its line, in place of the old value (see LineNow); an
    // unchanged value's line gets back the bytes it had when read or last
    // saved, comment included.
    void Write(LineStore& store, Language language) const;
    // The line that saving writes for `position` now: its saved line, with
    // the value replaced in place when it changed, the comment, its spacing
    // and the presence or absence of a comma kept; "value,  ;comment" only
    // where that cannot be done.
    std::string LineNow(int position, Language language) const;
    // The line of a position as read or last saved, and where its value
    // stands on it.
    const std::string& SavedLine(int position) const { return savedLines_.at(position); }
    const ValueSpan& SavedSpan(int position) const { return savedSpans_.at(position); }
    // Gives a position another saved line holding the same value, with other
    // spacing; false, and nothing changes, when `line` does not read so.
    bool Respace(int position, std::string line);
    // Makes the values as they are now, and their lines in `store`, the
    // baseline: called once the file holding them has been written.
    void TakeBaseline(const LineStore& store);
    const std::string& SavedValue(int position) const { return savedValues_.at(position); }
    // A position that no line holds is never written, so never a change.
    bool Changed(int position) const {
        return LineOf(position) >= 0 && Value(position) != SavedValue(position);
    }

    const std::string& Value(int position) const { return values_.at(position); }
    void SetValue(int position, std::string value) { values_.at(position) = std::move(value); }
    // Line a position was read from, or -1.
    int LineOf(int position) const { return lines_.at(position); }
    const SectionRange& Range() const { return range_; }

    // "value,  ;comment"
    static std::string RenderLine(std::string_view value, std::string_view comment);
    static std::string ParseValue(std::string_view line);
    static std::string ParseValue(std::string_view line, ValueSpan& span);

private:
    void TakeRead(const LineStore& store);

    std::array<std::string, kCosmicCount> values_;
    std::array<int, kCosmicCount> lines_;
    SectionRange range_;
    std::array<std::string, kCosmicCount> savedValues_;
    std::array<std::string, kCosmicCount> savedLines_;
    std::array<ValueSpan, kCosmicCount> savedSpans_;
};

}  // namespace rules
