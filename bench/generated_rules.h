#pragma once

// A generator of large rules files for the benchmarks: the three edited
// sections (21 cosmic values, a full table of advances, a full table of
// units) in the middle of as many lines of free text as asked for. All names
// are invented; the text only needs the shape of a real file.

#include <cstddef>
#include <cstdint>
#include <string>

namespace bench {

namespace detail {

inline std::uint32_t NextRandom(std::uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

inline void AppendFreeText(std::string& out, std::size_t lines, std::uint32_t& state) {
    static const char* const kWords[] = {"harbor", "ember",  "tide",   "glass", "moss",   "lantern",
                                         "reed",   "copper", "ledger", "salt",  "beacon", "quarry",
                                         "loom",   "spire",  "marsh",  "oath",  "cinder", "kelp"};
    constexpr std::size_t kWordCount = sizeof kWords / sizeof kWords[0];
    for (std::size_t i = 0; i < lines; ++i) {
        // Mostly remark lines of 30 to 70 bytes, with now and then a blank
        // line or a short one, as rules files have between their sections.
        const std::uint32_t shape = NextRandom(state) % 16;
        if (shape == 0) {
            out += "\r\n";
            continue;
        }
        if (shape == 1) {
            out += ";\r\n";
            continue;
        }
        out += "; ";
        const std::uint32_t words = 4 + NextRandom(state) % 7;
        for (std::uint32_t w = 0; w < words; ++w) {
            if (w) out += ' ';
            out += kWords[NextRandom(state) % kWordCount];
        }
        out += "\r\n";
    }
}

inline std::string Abbrev(int n) {
    // Three letters, distinct for every n below 26 * 26.
    std::string a = "Q";
    a += static_cast<char>('a' + n / 26 % 26);
    a += static_cast<char>('a' + n % 26);
    return a;
}

}  // namespace detail

// Number of lines of the three sections and their headers and ";" lines.
constexpr std::size_t kSectionLines = (1 + 21 + 1) + (1 + 94 + 1) + (1 + 54 + 1);

// A rules file of about `totalLines` lines (never fewer than the sections
// need), CR LF line breaks, deterministic for a given size. `extraUnitLines`
// more unit lines follow the 54 units in @UNITS: beyond the table's room,
// the readers set them aside (kept and saved as they are).
inline std::string GenerateRulesFile(std::size_t totalLines, std::size_t extraUnitLines = 0) {
    std::uint32_t state = 0x5eed1234u;
    const std::size_t freeLines =
        totalLines > kSectionLines + 1 ? totalLines - kSectionLines - 1 : 0;
    std::string out;
    out.reserve(totalLines * 48 + extraUnitLines * 80 + 16384);

    out += "; Generated rules file for the benchmarks\r\n";
    detail::AppendFreeText(out, freeLines / 2, state);

    out += "@COSMIC\r\n";
    for (int k = 1; k <= 21; ++k)
        out += std::to_string(k % 9 + 1) + "     ; Invented constant " + std::to_string(k) + "\r\n";
    out += ";\r\n";

    out += "@CIVILIZE\r\n";
    for (int n = 0; n < 94; ++n) {
        const std::string p1 =
            n < 2
                ? "nil"
                : detail::Abbrev(
                      n - 1 - static_cast<int>(detail::NextRandom(state) % (n < 10 ? n - 1 : 10)));
        const std::string p2 =
            n < 5 ? "nil"
                  : detail::Abbrev(static_cast<int>(detail::NextRandom(state) %
                                                    static_cast<std::uint32_t>(n)));
        out += "Lore Number " + std::string(1, static_cast<char>('A' + n % 26)) +
               detail::Abbrev(n) + ",   " + std::to_string(n % 8 + 1) + ", " +
               (n % 3 ? "-1" : " 1") + ", " + p1 + ", " + p2 + ", " + std::to_string(n * 4 / 94) +
               ", " + std::to_string(n % 5) + "  ; " + detail::Abbrev(n) + "\r\n";
    }
    out += ";\r\n";

    out += "@UNITS\r\n";
    for (int u = 0; u < 54; ++u) {
        out += "Walker Model " + std::string(1, static_cast<char>('A' + u % 26)) +
               detail::Abbrev(u) + ",  " + (u % 4 ? detail::Abbrev(u + 20) : std::string("nil")) +
               ", " + std::to_string(u % 3) + ",  " + std::to_string(u % 5 + 1) + ".,0,  " +
               std::to_string(u % 12) + "a," + std::to_string(u % 7 + 1) + "d,  " +
               std::to_string(u % 3 + 1) + "h,1f," + std::to_string(u % 9 + 1) + ",0,  " +
               std::to_string(u % 8) + ", " + detail::Abbrev(u) + ", 000100000000010\r\n";
    }
    for (std::size_t x = 0; x < extraUnitLines; ++x) {
        const int u = static_cast<int>(x % 600);
        out += "Spare Walker " + std::to_string(x) + ",  " + detail::Abbrev(u % 90) + ", " +
               std::to_string(u % 3) + ",  " + std::to_string(u % 5 + 1) + ".,0,  " +
               std::to_string(u % 12) + "a," + std::to_string(u % 7 + 1) + "d,  " +
               std::to_string(u % 3 + 1) + "h,1f," + std::to_string(u % 9 + 1) + ",0,  " +
               std::to_string(u % 8) + ", " + detail::Abbrev(u % 94) + ", 000100000000010\r\n";
    }
    out += ";\r\n";

    detail::AppendFreeText(out, freeLines - freeLines / 2, state);
    return out;
}

// A rules file whose bulk is `terrainRows` lines of a @TERRAIN section after
// the three edited sections: a name, five small numbers and a remark each,
// about 40 bytes a line (1,340,000 rows make some 52 MB).
inline std::string GenerateTerrainRulesFile(std::size_t terrainRows) {
    static const char* const kKinds[] = {"Saltmarsh", "Reedbank",    "Ashfield",   "Glass Dunes",
                                         "Mossy Heath", "Cliffland", "Ember Flats", "Copper Hills"};
    std::uint32_t state = 0x7e77a1u;
    std::string out = GenerateRulesFile(kSectionLines + 2);
    out.reserve(out.size() + terrainRows * 42 + 64);
    out += "@TERRAIN\r\n";
    for (std::size_t r = 0; r < terrainRows; ++r) {
        out += kKinds[detail::NextRandom(state) % 8];
        out += ' ';
        out += std::to_string(r);
        out += ",  ";
        for (int k = 0; k < 5; ++k) {
            if (k) out += ", ";
            out += std::to_string(detail::NextRandom(state) % (k == 0 ? 4 : 3));
        }
        out += " ; ";
        out += detail::Abbrev(static_cast<int>(r % 676));
        out += "\r\n";
    }
    out += ";\r\n";
    return out;
}

}  // namespace bench
