#include "rules/document/advance_table.h"

#include <algorithm>
#include <array>

#include "rules/document/field_table.h"
#include "rules/document/section_reader.h"

namespace rules {

std::string AdvanceRecord::Render() const {
    std::string out;
    out.reserve(name.size() + aiValue.size() + modifier.size() + prereq1.size() + prereq2.size() +
                epoch.size() + category.size() + abbrev.size() + 15);
    out.append(name).append(", ");
    out.append(aiValue).append(", ");
    out.append(modifier).append(", ");
    out.append(prereq1).append(", ");
    out.append(prereq2).append(", ");
    out.append(epoch).append(", ");
    out.append(category).append(" ; ");
    out.append(abbrev);
    return out;
}

AdvanceTable::AdvanceTable() { At(1).prereq1 = At(1).prereq2 = At(1).abbrev = "endend"; }

bool AdvanceTable::ParseLine(std::string_view line, AdvanceRecord& out, AdvanceLayout* layout) {
    constexpr int kFields = static_cast<int>(AdvanceField::Count);
    // Six commas end the first six fields, a ";" after them the category;
    // the abbreviation runs to the end. Every field keeps all its characters.
    std::array<std::size_t, kFields> ends;
    std::size_t pos = 0;
    for (int f = 0; f + 1 < kFields; ++f) {
        pos = line.find(f + 2 < kFields ? ',' : ';', pos);
        if (pos == std::string_view::npos) return false;
        ends[static_cast<std::size_t>(f)] = pos++;
    }
    ends[kFields - 1] = line.size();

    AdvanceLayout spans;
    AdvanceRecord record;
    std::size_t begin = 0;
    for (int f = 0; f < kFields; ++f) {
        const std::size_t end = ends[static_cast<std::size_t>(f)];
        FieldOf(record, f) =
            ReadValue(line, begin, end, ValueReading::Text, spans[static_cast<std::size_t>(f)]);
        begin = end + 1;
    }
    record.line = out.line;
    out = std::move(record);
    if (layout) *layout = spans;
    return true;
}

void AdvanceTable::Read(const LineStore& store, Findings& findings) {
    detail::ReadRecords(store, "CIVILIZE", SectionId::Advances, findings, slots_,
                        baseline_.layouts, kCapacity, count_, range_,
                        [](std::string_view text, AdvanceRecord& record, AdvanceLayout* layout) {
                            return ParseLine(text, record, layout);
                        });
    AdvanceRecord& sentinel = At(count_ + 1);
    sentinel.prereq1 = sentinel.prereq2 = sentinel.abbrev = "endend";
    baseline_.Take(slots_, count_, store);
}

const AdvanceTable::Baseline::Members& AdvanceTable::Members() {
    static const Baseline::Members members = [] {
        Baseline::Members all{};
        for (const ColumnInfo& info : ColumnInfos(SectionId::Advances))
            all[static_cast<std::size_t>(info.field)] = info.advanceMember;
        return all;
    }();
    return members;
}

void AdvanceTable::Write(LineStore& store) const {
    detail::WriteRecords(store, SectionId::Advances, Members(), slots_, count_, baseline_);
}

void AdvanceTable::TakeBaseline(const LineStore& store) {
    baseline_.TakeSaved(slots_, count_, store,
                        [](std::string_view text, AdvanceRecord& record, AdvanceLayout* layout) {
                            return ParseLine(text, record, layout);
                        });
}

bool AdvanceTable::Respace(int number, std::string line) {
    return baseline_.Respace(static_cast<std::size_t>(number - 1), std::move(line),
                             [](std::string_view text, AdvanceRecord& record, AdvanceLayout* layout) {
                                 return ParseLine(text, record, layout);
                             });
}

int AdvanceTable::FindByAbbrev(std::string_view abbrev) const {
    for (int k = 1; k <= count_; ++k) {
        if (At(k).abbrev == abbrev) return k;
    }
    return 0;
}

int AdvanceTable::FindByName(std::string_view name) const {
    for (int k = 1; k <= count_; ++k) {
        if (At(k).name == name) return k;
    }
    return 0;
}

int AdvanceTable::FindNextTarget(int number) const {
    if (number < 1 || number > count_) return 0;
    const std::string& abbrev = At(number).abbrev;
    for (int k = 1; k <= count_; ++k) {
        const AdvanceRecord& record = At(k);
        // A record that looks like the end marker ends the scan as the
        // sentinel does, yet is still offered when it names this advance.
        const bool last = record.prereq1 == "endend";
        if (record.prereq1 == abbrev || record.prereq2 == abbrev) return k;
        if (last) return 0;
    }
    return 0;
}

std::vector<std::string> AdvanceTable::ChoiceNames() const {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count_) + 1);
    names.emplace_back("nil");
    for (int k = 1; k <= count_; ++k) names.push_back(At(k).name);
    return names;
}

std::vector<std::string> AdvanceTable::Names() const {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count_));
    for (int k = 1; k <= count_; ++k) names.push_back(At(k).name);
    return names;
}

bool AdvanceTable::Reread(int number, std::string_view line) {
    if (number < 1 || number > count_) return false;
    return baseline_.Reread(slots_, static_cast<std::size_t>(number - 1), line,
                            [](std::string_view text, AdvanceRecord& record, AdvanceLayout* layout) {
                                return ParseLine(text, record, layout);
                            });
}

}  // namespace rules
