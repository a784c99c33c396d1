#include "rules/sections/other_sections.h"

#include "rules/document/text_routines.h"

namespace rules {

bool IsDesignedSection(std::string_view name) {
    return name == "COSMIC" || name == "CIVILIZE" || name == "UNITS";
}

void OtherSections::Read(const LineStore& store) {
    sections_.clear();
    for (int line = 1; line < store.LineCount(); ++line) {
        const std::string_view text = store.GetLine(line);
        if (!IsSectionHeader(text) || text.size() < 2 || IsDesignedSection(text.substr(1))) continue;
        sections_.push_back(SectionTable::Read(store, line));
        // The line that ended it may head the next section.
        line = sections_.back().EndLine() - 1;
    }
}

int OtherSections::Find(std::string_view name) const {
    for (int k = 0; k < Count(); ++k)
        if (SameAsciiIgnoringCase(At(k).Name(), name)) return k;
    return -1;
}

int OtherSections::CounterpartIn(const OtherSections& other, int index) const {
    const std::string& name = At(index).Name();
    int occurrence = 0;
    for (int k = 0; k < index; ++k) occurrence += At(k).Name() == name ? 1 : 0;
    for (int k = 0; k < other.Count(); ++k) {
        if (other.At(k).Name() != name) continue;
        if (occurrence-- == 0) return k;
    }
    return -1;
}

OtherSections::Place OtherSections::RowAt(int line) const {
    for (int k = 0; k < Count(); ++k) {
        if (line <= At(k).HeaderLine() || line >= At(k).EndLine()) continue;
        if (const int row = At(k).RowOfLine(line)) return {k, row};
        break;
    }
    return {};
}

void OtherSections::Write(LineStore& store) const {
    for (const SectionTable& section : sections_) section.Write(store);
}

void OtherSections::TakeBaseline(const LineStore& store) {
    for (SectionTable& section : sections_) section.TakeBaseline(store);
}

bool OtherSections::Changed() const {
    for (const SectionTable& section : sections_)
        if (section.Changed()) return true;
    return false;
}

}  // namespace rules
