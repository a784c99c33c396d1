#include "rules/document/advance_table.h"

#include <algorithm>

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

bool AdvanceTable::ParseLine(std::string_view line, AdvanceRecord& out) {
    std::string squeezed(line);
    SqueezeSpaces(squeezed);

    // Each field needs its delimiter: six commas, then a ";" for the category.
    std::size_t pos = 0;
    for (int commas = 0; commas < 6; ++commas) {
        pos = squeezed.find(',', pos);
        if (pos == std::string::npos) return false;
        ++pos;
    }
    if (squeezed.find(';', pos) == std::string::npos) return false;

    int cursor = 1;
    AdvanceRecord record;
    record.name = ScanField(cursor, squeezed, ',', false);
    record.aiValue = ScanField(cursor, squeezed, ',', false);
    record.modifier = ScanField(cursor, squeezed, ',', false);
    record.prereq1 = ScanField(cursor, squeezed, ',', false);
    record.prereq2 = ScanField(cursor, squeezed, ',', false);
    record.epoch = ScanField(cursor, squeezed, ',', false);
    record.category = ScanField(cursor, squeezed, ';', false);
    record.abbrev = ScanField(cursor, squeezed, '\0', false);
    record.line = out.line;
    out = std::move(record);
    return true;
}

void AdvanceTable::Read(const LineStore& store, Findings& findings) {
    detail::ReadRecords(store, "CIVILIZE", SectionId::Advances, findings, slots_, kCapacity, count_,
                        range_, &AdvanceTable::ParseLine);
    AdvanceRecord& sentinel = At(count_ + 1);
    sentinel.prereq1 = sentinel.prereq2 = sentinel.abbrev = "endend";
    TakeBaseline(store);
}

void AdvanceTable::Write(LineStore& store) const { detail::WriteRecords(store, slots_, count_, baseline_); }

void AdvanceTable::TakeBaseline(const LineStore& store) { baseline_.Take(slots_, count_, store); }

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

}  // namespace rules
