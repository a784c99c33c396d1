#pragma once

#include <string_view>
#include <vector>

#include "rules/document/line_store.h"
#include "rules/sections/section_table.h"

namespace rules {

// Whether "@" + name heads one of the three sections the editor has forms
// for: COSMIC, CIVILIZE, UNITS.
bool IsDesignedSection(std::string_view name);

// Every section of the file but the three designed ones, in file order: a
// line "@NAME" (from line 1 on, as the readers look for headers) up to its
// ";" line or the next header. A header repeating one of the three names is
// none of them (their readers take the first) and none of these.
class OtherSections {
  public:
    void Read(const LineStore& store);

    int Count() const { return static_cast<int>(sections_.size()); }
    const SectionTable& At(int index) const { return sections_.at(static_cast<std::size_t>(index)); }
    SectionTable& At(int index) { return sections_.at(static_cast<std::size_t>(index)); }
    // The first section of that name (ASCII letter case ignored), or -1.
    int Find(std::string_view name) const;
    // The section of `other` that answers section `index` of these: the one
    // of the same name (the n-th of that name for the n-th), or -1. Two
    // files' sections are compared and merged so.
    int CounterpartIn(const OtherSections& other, int index) const;
    // The section whose row is on this line, and that row; {-1, 0} for none.
    struct Place {
        int section = -1;
        int row = 0;
    };
    Place RowAt(int line) const;

    void Write(LineStore& store) const;
    void TakeBaseline(const LineStore& store);
    bool Changed() const;

  private:
    std::vector<SectionTable> sections_;
};

}  // namespace rules
