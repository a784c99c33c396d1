#include "rules/document/unit_table.h"

#include <algorithm>
#include <array>

#include "rules/document/field_table.h"
#include "rules/document/section_reader.h"

namespace rules {

std::string UnitRecord::Render() const {
    std::string out;
    out.reserve(name.size() + obsoleteBy.size() + prereq.size() + flags.size() + 48);
    for (const ColumnInfo& info : ColumnInfos(SectionId::Units)) {
        if (info.field > 0) out += ',';
        out.append(this->*info.unitMember);
        if (info.letterAfter) out += info.letterAfter;
    }
    return out;
}

bool UnitTable::ParseLine(std::string_view line, UnitRecord& out, UnitLayout* layout) {
    constexpr int kFields = static_cast<int>(UnitField::Count);
    // Thirteen commas end the first thirteen fields; the flags run to the end.
    std::array<std::size_t, kFields> ends;
    std::size_t pos = 0;
    for (int f = 0; f + 1 < kFields; ++f) {
        pos = line.find(',', pos);
        if (pos == std::string_view::npos) return false;
        ends[static_cast<std::size_t>(f)] = pos++;
    }
    ends[kFields - 1] = line.size();

    UnitLayout spans;
    UnitRecord record;
    std::size_t begin = 0;
    for (int f = 0; f < kFields; ++f) {
        // The numbers and the flags keep only their digits.
        const ColumnInfo& info = InfoOf(SectionId::Units, f);
        const bool digits = info.IsNumeric() || info.kind == FieldKind::Flags;
        const std::size_t end = ends[static_cast<std::size_t>(f)];
        FieldOf(record, f) = ReadValue(line, begin, end, digits ? ValueReading::Digits : ValueReading::Text,
                                       spans[static_cast<std::size_t>(f)]);
        begin = end + 1;
    }
    record.line = out.line;
    out = std::move(record);
    if (layout) *layout = spans;
    return true;
}

bool UnitTable::ParseLineAsWritten(std::string_view line, UnitRecord& out) {
    std::string squeezed(line);
    SqueezeSpaces(squeezed);
    if (std::count(squeezed.begin(), squeezed.end(), ',') < 13) return false;
    int cursor = 1;
    // A number with the letter the writer puts after it: the letter goes.
    UnitRecord record;
    for (int f = 0; f + 1 < static_cast<int>(UnitField::Count); ++f) {
        std::string field = ScanField(cursor, squeezed, ',', false);
        const char letter = InfoOf(SectionId::Units, f).letterAfter;
        if (letter && !field.empty() && field.back() == letter) field.pop_back();
        FieldOf(record, f) = std::move(field);
    }
    record.flags = ScanField(cursor, squeezed, '\0', false);
    record.line = out.line;
    out = std::move(record);
    return true;
}

void UnitTable::Read(const LineStore& store, Findings& findings) {
    detail::ReadRecords(store, "UNITS", SectionId::Units, findings, records_, baseline_.layouts,
                        kCapacity, count_, range_,
                        [](std::string_view text, UnitRecord& record, UnitLayout* layout) {
                            return ParseLine(text, record, layout);
                        });
    baseline_.Take(records_, count_, store);
}

const UnitTable::Baseline::Members& UnitTable::Members() {
    static const Baseline::Members members = [] {
        Baseline::Members all{};
        for (const ColumnInfo& info : ColumnInfos(SectionId::Units))
            all[static_cast<std::size_t>(info.field)] = info.unitMember;
        return all;
    }();
    return members;
}

void UnitTable::Write(LineStore& store) const {
    detail::WriteRecords(store, SectionId::Units, Members(), records_, count_, baseline_);
}

void UnitTable::TakeBaseline(const LineStore& store) {
    baseline_.TakeSaved(records_, count_, store,
                        [](std::string_view text, UnitRecord& record, UnitLayout* layout) {
                            return ParseLine(text, record, layout);
                        });
}

bool UnitTable::Respace(int number, std::string line) {
    return baseline_.Respace(static_cast<std::size_t>(number - 1), std::move(line),
                             [](std::string_view text, UnitRecord& record, UnitLayout* layout) {
                                 return ParseLine(text, record, layout);
                             });
}

std::vector<std::string> UnitTable::Names() const {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count_));
    for (int k = 1; k <= count_; ++k) names.push_back(At(k).name);
    return names;
}

namespace {

// Index of check box k's character. A flags text of exactly 15 characters
// puts box k at 15 - k; a longer one is still counted from the left, as the
// check boxes have always read it; a shorter one is padded before writing.
std::size_t FlagPosition(int checkBox) {
    return static_cast<std::size_t>(FlagIndexOfCheckBox(checkBox));
}

}  // namespace

bool FlagIsSet(std::string_view flags, int checkBox) {
    if (checkBox < 1 || checkBox > kFlagCount) return false;
    // A short flags text is read as if padded with "0" on the left.
    if (flags.size() < static_cast<std::size_t>(kFlagCount)) {
        const std::size_t pad = static_cast<std::size_t>(kFlagCount) - flags.size();
        const std::size_t pos = FlagPosition(checkBox);
        if (pos < pad) return false;
        return flags[pos - pad] == '1';
    }
    return flags[FlagPosition(checkBox)] == '1';
}

void SetFlag(std::string& flags, int checkBox, bool on) {
    if (checkBox < 1 || checkBox > kFlagCount) return;
    if (flags.size() < static_cast<std::size_t>(kFlagCount)) {
        flags.insert(0, static_cast<std::size_t>(kFlagCount) - flags.size(), '0');
    }
    flags[FlagPosition(checkBox)] = on ? '1' : '0';
}

bool UnitTable::Reread(int number, std::string_view line) {
    if (number < 1 || number > count_) return false;
    return baseline_.Reread(records_, static_cast<std::size_t>(number - 1), line,
                            [](std::string_view text, UnitRecord& record, UnitLayout* layout) {
                                return ParseLine(text, record, layout);
                            });
}

}  // namespace rules
