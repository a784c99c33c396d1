#pragma once

// Builds invented rules files for property tests, fuzz seeds and benchmarks.
// The files are deterministic for a given seed and options, and each comes
// with a description of which of its lines hold records, so that a test can
// check that nothing else changed.

#include <cstdint>
#include <set>
#include <string>

namespace rules::testing {

// How the values of a record line are spaced: at random, in columns aligned
// by hand (text padded after its separator, numbers in front), or with no
// spaces at all.
enum class Spacing { Random, Aligned, Squeezed };

struct GeneratorOptions {
    // Sections may lose their header or their closing ";" line, hold short
    // lines, malformed lines and more lines than the tables take.
    bool allowDamage = true;
    // Free text around the sections: NUL bytes, Windows-1252 bytes, long lines.
    bool wildFreeText = true;
    int freeTextLines = 12;  // upper bound per stretch of free text
    Spacing spacing = Spacing::Random;
    // Tabs inside names and among a unit's digits (a tab is never a space).
    bool tabs = false;
};

struct GeneratedFile {
    std::string bytes;
    // 0-based indexes of the lines that a reader may turn into a record (and
    // so a writer may rewrite). Every other line must survive a save as is.
    std::set<int> recordLines;
    int lineCount = 0;
};

class RulesFileGenerator {
  public:
    explicit RulesFileGenerator(std::uint64_t seed, GeneratorOptions options = {});
    GeneratedFile Next();

    // A large, well-formed file of about `lines` lines: the three sections
    // plus free text. For benchmarks; same seed, same bytes.
    static std::string LargeFile(int lines, std::uint64_t seed = 1);

  private:
    std::uint64_t Below(std::uint64_t bound);
    bool Chance(int percent) { return Below(100) < static_cast<std::uint64_t>(percent); }
    std::string Spaces(int max);
    std::string Word();
    std::string Number(int max);
    std::string FreeLine();
    std::string ShortLine();
    std::string CosmicLine();
    std::string AdvanceLine(int index);
    std::string UnitLine(int index);
    std::string SpacedLine(const std::string* cells, const bool* right, const char* separators,
                           const int* widths, int count);
    std::string MalformedAdvance();
    std::string MalformedUnit();
    std::string Break();

    std::uint64_t state_;
    GeneratorOptions options_;
};

}  // namespace rules::testing
