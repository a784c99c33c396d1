#include "rules_file_generator.h"

#include <algorithm>
#include <array>
#include <vector>

namespace rules::testing {

namespace {

constexpr std::array<const char*, 16> kSyllables = {"ka",  "lor", "mir", "tu",  "sen", "vo",
                                                    "gra", "del", "phi", "run", "osk", "ba",
                                                    "tre", "zel", "un",  "wy"};
constexpr std::array<const char*, 6> kAccented = {"\xE9", "\xDF", "\xE4", "\xF6", "\xFC", "\x80"};

enum class Kind { Cosmic, Advances, Units };

struct Line {
    std::string text;
    bool record = false;
};

}  // namespace

RulesFileGenerator::RulesFileGenerator(std::uint64_t seed, GeneratorOptions options)
    : state_(seed * 0x9E3779B97F4A7C15ULL + 0x1234567ULL), options_(options) {}

// splitmix64: small, fast and the same on every platform.
std::uint64_t RulesFileGenerator::Below(std::uint64_t bound) {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return bound == 0 ? 0 : z % bound;
}

std::string RulesFileGenerator::Spaces(int max) {
    return std::string(Below(static_cast<std::uint64_t>(max) + 1), ' ');
}

std::string RulesFileGenerator::Word() {
    std::string word;
    const int parts = 1 + static_cast<int>(Below(3));
    for (int i = 0; i < parts; ++i) word += kSyllables[Below(kSyllables.size())];
    if (Chance(50)) word[0] = static_cast<char>(word[0] - 'a' + 'A');
    if (options_.wildFreeText && Chance(10)) word += kAccented[Below(kAccented.size())];
    return word;
}

std::string RulesFileGenerator::Number(int max) {
    return std::to_string(Below(static_cast<std::uint64_t>(max) + 1));
}

std::string RulesFileGenerator::Break() {
    switch (Below(3)) {
        case 0:
            return "\r\n";
        case 1:
            return "\n";
        default:
            return "\r";
    }
}

// Free text may hold anything but a line break; it never spells a section
// header, which would move the sections.
std::string RulesFileGenerator::FreeLine() {
    switch (Below(options_.wildFreeText ? 9 : 5)) {
        case 0:
            return "";
        case 1:
            return ";";
        case 2:
            return "; " + Word() + " " + Word() + ", " + Number(99);
        case 3:
            return Word() + Spaces(3) + Word() + ", " + Word();
        case 4:
            return "@" + Word() + "S";  // a section the editor does not know
        case 5:
            return std::string("bin\0ary", 7) + Word() + std::string(1, '\0');
        case 6: {
            std::string bytes;
            const int n = 1 + static_cast<int>(Below(40));
            for (int i = 0; i < n; ++i) {
                char c = static_cast<char>(Below(256));
                if (c == '\r' || c == '\n') c = '\xE9';
                bytes.push_back(c);
            }
            if (!bytes.empty() && bytes[0] == '@') bytes[0] = '#';
            return bytes;
        }
        case 7:
            return std::string(static_cast<std::size_t>(300 + Below(6000)),
                               static_cast<char>('a' + Below(26)));
        default:
            return Word() + " \xE9t\xE9 " + Word() + "\t" + Number(9);
    }
}

std::string RulesFileGenerator::ShortLine() {
    switch (Below(4)) {
        case 0:
            return "";
        case 1:
            return Spaces(5);
        case 2:
            return "12 ;x";
        default:
            return Word().substr(0, 1 + Below(4));
    }
}

std::string RulesFileGenerator::CosmicLine() {
    std::string value = Number(250);
    if (Chance(10)) value = "-" + value;
    if (Chance(5)) value += "a";
    const std::string comment = Word() + " " + Word();
    if (options_.spacing == Spacing::Aligned) {
        value.resize(std::max<std::size_t>(value.size(), 6), ' ');
        return value + "; " + comment;
    }
    if (options_.spacing == Spacing::Squeezed) return value + ",  ;" + comment;
    std::string line = value + Spaces(6) + " ; " + comment;
    if (Chance(10)) line = "1" + Number(99999) + "9999";  // no space at all
    return line;
}

// Cells joined by their separators, spaced as the options say; `widths` are
// the columns' widths for aligned lines.
std::string RulesFileGenerator::SpacedLine(const std::string* cells, const bool* right,
                                           const char* separators, const int* widths, int count) {
    std::string line;
    int pad = 0;  // owed by a left-aligned cell, paid after its separator
    for (int i = 0; i < count; ++i) {
        const int width = widths[i] - static_cast<int>(cells[i].size());
        if (options_.spacing == Spacing::Aligned) {
            if (i > 0) pad += 1;
            if (right[i]) pad += std::max(width, 0);
            line.append(static_cast<std::size_t>(pad), ' ');
            pad = right[i] ? 0 : std::max(width, 0);
        } else if (options_.spacing == Spacing::Random && i > 0) {
            line += Spaces(4);
        }
        line += cells[i];
        if (i + 1 < count) {
            if (options_.spacing == Spacing::Random) line += Spaces(3);
            line += separators[i];
        }
    }
    return line;
}

std::string RulesFileGenerator::AdvanceLine(int index) {
    std::string name = Word();
    if (Chance(40)) name += (Chance(80) ? " " : "  ") + Word();
    if (options_.tabs && Chance(20)) name += "\t" + Word();
    std::string abbrev = Word().substr(0, 3) + std::to_string(index);
    if (Chance(10)) abbrev += " " + Word();
    auto prereq = [&] {
        if (Chance(30)) return std::string(Chance(50) ? "nil" : "no");
        return Word().substr(0, 3) + std::to_string(Below(static_cast<std::uint64_t>(index) + 1));
    };
    std::string modifier = Chance(30) ? "-" + Number(3) : Number(3);
    const std::string cells[] = {name,     Number(12), modifier,  prereq(),
                                 prereq(), Number(3),  Number(4), abbrev};
    static constexpr bool kRight[] = {false, true, true, false, false, true, true, false};
    static constexpr int kWidths[] = {26, 2, 2, 8, 8, 1, 1, 0};
    return SpacedLine(cells, kRight, ",,,,,,;", kWidths, 8);
}

std::string RulesFileGenerator::UnitLine(int index) {
    std::string name = Word() + (Chance(40) ? " " + Word() : "");
    if (Chance(10)) name += " " + std::to_string(index);  // space before a digit is lost
    if (options_.tabs && Chance(20)) name = Word() + "\t" + name;
    std::string flags;
    const int flagCount = Chance(85) ? 15 : static_cast<int>(Below(20));
    for (int i = 0; i < flagCount; ++i) flags.push_back(Chance(20) ? '1' : '0');
    if (Chance(5)) flags += " ; 3 remark";
    std::string attack = Number(12);
    if (options_.tabs && Chance(20)) attack = "\t" + attack;  // read as its digits
    const std::string cells[] = {name,   Chance(50) ? "nil" : "no", Number(2),  Number(3) + ".",
                                 Number(3), attack + "a", Number(12) + "d", Number(4) + "h",
                                 Number(3) + "f", Number(20), Number(8), Number(7),
                                 Word().substr(0, 3), flags};
    static constexpr bool kRight[] = {false, false, true, true, true, true, true,
                                      true,  true,  true, true, true, false, false};
    static constexpr int kWidths[] = {26, 3, 1, 2, 1, 4, 3, 2, 2, 2, 1, 1, 3, 0};
    return SpacedLine(cells, kRight, ",,,,,,,,,,,,,", kWidths, 14);
}

std::string RulesFileGenerator::MalformedAdvance() {
    switch (Below(4)) {
        case 0:
            return Word() + ", 1, 0, nil, nil, 0 ; " + Word();  // five commas
        case 1:
            return Word() + ", 1, 0, nil, nil, 0, 2 " + Word();  // no ";"
        case 2:
            return "; " + Word() + " " + Word() + " remark";
        default:
            return std::string(6 + Below(10), ' ');
    }
}

std::string RulesFileGenerator::MalformedUnit() {
    switch (Below(3)) {
        case 0:
            return Word() + ",nil,0,1.,0,1a,1d,1h,1f,1,0,0,nil";  // twelve commas
        case 1:
            return "; " + Word() + ", " + Word() + " remark";
        default:
            return std::string(6 + Below(10), ' ');
    }
}

GeneratedFile RulesFileGenerator::Next() {
    std::vector<Line> lines;
    auto free = [&](int maxCount) {
        const int n = static_cast<int>(Below(static_cast<std::uint64_t>(maxCount) + 1));
        for (int i = 0; i < n; ++i) lines.push_back({FreeLine(), false});
    };
    const bool damage = options_.allowDamage;

    // Line 0 is never a header, so the file always opens with a remark.
    lines.push_back({"; " + Word() + " rules, invented for tests", false});
    free(options_.freeTextLines);

    std::array<Kind, 3> order = {Kind::Cosmic, Kind::Advances, Kind::Units};
    for (std::size_t i = order.size(); i > 1; --i) std::swap(order[i - 1], order[Below(i)]);

    bool previousOpen = false;  // the last section had no ";": the next line must start with "@"
    for (const Kind kind : order) {
        const char* keyword = kind == Kind::Cosmic     ? "COSMIC"
                              : kind == Kind::Advances ? "CIVILIZE"
                                                       : "UNITS";
        const bool missingHeader = damage && Chance(8);
        const bool missingEnd = damage && Chance(12);

        if (!previousOpen) free(options_.freeTextLines);
        if (missingHeader) {
            // A misspelt header still ends an open section before it; a
            // missing one needs another "@" line to do that.
            if (Chance(50)) {
                lines.push_back({std::string("@") + keyword + " ", false});
            } else {
                if (previousOpen) lines.push_back({"@NOTES", false});
                lines.push_back({"; the " + std::string(keyword) + " header is missing", false});
            }
        } else {
            if (previousOpen)
                lines.push_back({"@NOTES", false});  // also checks that "@" ends a section
            lines.push_back({std::string("@") + keyword, false});
        }

        const int capacity = kind == Kind::Cosmic ? 21 : kind == Kind::Advances ? 94 : 54;
        int wanted = static_cast<int>(Below(static_cast<std::uint64_t>(capacity) + 1));
        if (damage && Chance(10)) wanted = capacity + 1 + static_cast<int>(Below(4));
        int records = 0;
        for (int i = 0; i < wanted; ++i) {
            if (damage && Chance(8)) lines.push_back({ShortLine(), false});
            if (damage && kind != Kind::Cosmic && Chance(5)) {
                lines.push_back(
                    {kind == Kind::Advances ? MalformedAdvance() : MalformedUnit(), false});
            }
            std::string text = kind == Kind::Cosmic     ? CosmicLine()
                               : kind == Kind::Advances ? AdvanceLine(i + 1)
                                                        : UnitLine(i + 1);
            const bool record = !missingHeader && records < capacity;
            if (record) ++records;
            lines.push_back({std::move(text), record});
        }
        if (damage && Chance(10)) lines.push_back({ShortLine(), false});
        if (!missingEnd) lines.push_back({";", false});
        previousOpen = missingEnd;
    }
    if (previousOpen && Chance(50)) {
        // Nothing after the open section: it runs to the end of the file.
    } else {
        if (previousOpen) lines.push_back({"@NOTES", false});
        free(options_.freeTextLines);
    }

    GeneratedFile file;
    std::string previousBreak;
    const bool finalBreak = Chance(70);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        file.bytes += lines[i].text;
        if (lines[i].record) file.recordLines.insert(static_cast<int>(i));
        const bool last = i + 1 == lines.size();
        if (last && !finalBreak && !lines[i].text.empty())
            break;  // an empty last line needs its break
        std::string lineBreak = options_.wildFreeText ? Break() : "\r\n";
        // A lone CR then an empty line ended by LF would read as one CR LF.
        if (previousBreak == "\r" && lines[i].text.empty() && lineBreak == "\n") lineBreak = "\r\n";
        file.bytes += lineBreak;
        previousBreak = lineBreak;
    }
    file.lineCount = static_cast<int>(lines.size());
    return file;
}

std::string RulesFileGenerator::LargeFile(int lineCount, std::uint64_t seed) {
    GeneratorOptions options;
    options.allowDamage = false;
    options.wildFreeText = false;
    options.freeTextLines = 0;
    RulesFileGenerator generator(seed, options);
    std::string bytes = "; a large invented rules file\r\n@COSMIC\r\n";
    int lines = 2;
    for (int i = 0; i < 21; ++i, ++lines) bytes += generator.CosmicLine() + "\r\n";
    bytes += ";\r\n@CIVILIZE\r\n";
    lines += 2;
    for (int i = 0; i < 90; ++i, ++lines) bytes += generator.AdvanceLine(i + 1) + "\r\n";
    bytes += ";\r\n@UNITS\r\n";
    lines += 2;
    for (int i = 0; i < 54; ++i, ++lines) bytes += generator.UnitLine(i + 1) + "\r\n";
    bytes += ";\r\n";
    ++lines;
    for (; lines < lineCount; ++lines) {
        bytes += generator.Word() + " " + generator.Word() + ", " + generator.Number(999) + " " +
                 generator.Word() + "\r\n";
    }
    return bytes;
}

}  // namespace rules::testing
