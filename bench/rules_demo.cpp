// A command-line look at the rules document core, until the editor window
// takes over: copies the demo rules files to a scratch folder, loads one,
// prints what the three section readers found, and saves it back there.
//
//   rules_demo [english|french|german]   show and save one demo file
//   rules_demo --check                   verify the bundled demo files
//
// With --check it loads each bundled demo file (without writing it), and
// fails unless it loads without findings, has full sections whose references
// all resolve, and saves to the same bytes when its own output is loaded
// and saved again.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "rules/cosmic_section.h"
#include "rules/cp1252.h"
#include "rules/rules_document.h"

namespace fs = std::filesystem;
using rules::Language;

namespace {

const char* LanguageName(Language language) {
    switch (language) {
        case Language::English:
            return "English";
        case Language::French:
            return "French";
        case Language::German:
            return "German";
    }
    return "English";
}

std::string Show(std::string_view cp1252) { return rules::Cp1252ToUtf8(cp1252); }

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// ---------------------------------------------------------------------------
// --check

int failures = 0;

void Fail(const std::string& file, const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", file.c_str(), what.c_str());
    ++failures;
}

bool IsReference(const rules::AdvanceTable& advances, const std::string& text) {
    return rules::IsNoAdvance(text) || advances.FindByAbbrev(text) != 0;
}

void CheckFile(Language language) {
    const std::string name = rules::RulesFileName(language);
    const fs::path path = fs::path(EXAMPLES_DIR) / name;
    rules::RulesDocument doc;
    if (const rules::Status status = doc.Load(path.string(), language); !status) {
        Fail(name, status.message);
        return;
    }
    doc.Parse();
    for (const rules::Finding& finding : doc.GetFindings()) Fail(name, rules::Describe(finding));

    for (int p = 0; p < rules::kCosmicCount; ++p) {
        if (doc.Cosmic().LineOf(p) < 0 || doc.Cosmic().Value(p).empty())
            Fail(name,
                 std::string("no value for ") + rules::CosmicNames()[static_cast<std::size_t>(p)]);
    }

    const rules::AdvanceTable& advances = doc.Advances();
    if (advances.Count() < 85 || advances.Count() > rules::AdvanceTable::kCapacity)
        Fail(name, "expected 85 to 94 advances, found " + std::to_string(advances.Count()));
    std::set<std::string> abbrevs;
    for (int k = 1; k <= advances.Count(); ++k) {
        const rules::AdvanceRecord& a = advances.At(k);
        if (!abbrevs.insert(a.abbrev).second) Fail(name, "abbreviation used twice: " + a.abbrev);
        for (const std::string* ref : {&a.prereq1, &a.prereq2}) {
            // A prerequisite must be an earlier advance, so that the tree
            // can be followed back to its roots.
            const int target = advances.FindByAbbrev(*ref);
            if (!rules::IsNoAdvance(*ref) && (target == 0 || target >= k))
                Fail(name, a.name + ": prerequisite " + *ref + " is not an earlier advance");
        }
    }

    const rules::UnitTable& units = doc.Units();
    if (units.Count() != rules::UnitTable::kCapacity)
        Fail(name, "expected 54 units, found " + std::to_string(units.Count()));
    for (int k = 1; k <= units.Count(); ++k) {
        const rules::UnitRecord& u = units.At(k);
        if (!IsReference(advances, u.obsoleteBy))
            Fail(name, u.name + ": unknown advance " + u.obsoleteBy);
        if (!IsReference(advances, u.prereq)) Fail(name, u.name + ": unknown advance " + u.prereq);
        if (u.flags.size() != rules::kFlagCount)
            Fail(name, u.name + ": flags are not 15 characters");
    }

    // Saving: same line count, and saving the saved file changes nothing.
    const int lineCount = doc.Lines().LineCount();
    const std::string saved = doc.SaveToBytes();
    rules::RulesDocument again;
    again.LoadBytes(saved, language);
    again.Parse();
    if (!again.GetFindings().empty()) Fail(name, "the saved file has findings");
    if (again.Lines().LineCount() != lineCount) Fail(name, "saving changed the number of lines");
    if (again.SaveToBytes() != saved) Fail(name, "saving the saved file changed it");
    if (again.Advances().Count() != advances.Count() || again.Units().Count() != units.Count())
        Fail(name, "the saved file reads back with a different number of records");
}

int Check() {
    for (Language language : {Language::English, Language::French, Language::German})
        CheckFile(language);
    if (failures == 0) std::printf("demo rules files: all three load cleanly and save stably\n");
    return failures == 0 ? 0 : 1;
}

// ---------------------------------------------------------------------------
// Demonstration

int Demo(Language language) {
    std::string pattern = (fs::temp_directory_path() / "rules_demo.XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path scratch(pattern);
    for (Language l : {Language::English, Language::French, Language::German}) {
        const char* file = rules::RulesFileName(l);
        fs::copy_file(fs::path(EXAMPLES_DIR) / file, scratch / file);
    }
    const fs::path path = scratch / rules::RulesFileName(language);
    const std::string before = ReadWholeFile(path);

    rules::RulesDocument doc;
    if (const rules::Status status = doc.Load(path.string(), language); !status) {
        std::fprintf(stderr, "%s.\n", status.message.c_str());
        return 1;
    }
    doc.Parse();

    std::printf("Loaded %s (%s, %d lines, %zu bytes)\n\n", path.c_str(), LanguageName(language),
                doc.Lines().LineCount(), before.size());

    if (doc.GetFindings().empty()) {
        std::printf("Findings: none\n\n");
    } else {
        std::printf("Findings:\n");
        for (const rules::Finding& f : doc.GetFindings())
            std::printf("  %s\n", rules::Describe(f).c_str());
        std::printf("\n");
    }

    std::printf("@COSMIC: 21 values\n");
    for (int p = 0; p < rules::kCosmicCount; ++p) {
        std::printf("  %-20s %-4s%s", rules::CosmicNames()[static_cast<std::size_t>(p)],
                    Show(doc.Cosmic().Value(p)).c_str(), p % 3 == 2 ? "\n" : "  ");
    }
    std::printf("\n");

    const rules::AdvanceTable& advances = doc.Advances();
    std::printf("@CIVILIZE: %d advances, for example\n", advances.Count());
    for (int k = 1; k <= advances.Count() && k <= 6; ++k) {
        const rules::AdvanceRecord& a = advances.At(k);
        const int next = advances.FindNextTarget(k);
        std::printf("  %2d %-16s %-4s needs %-4s %-4s epoch %s, category %s; allows %s\n", k,
                    Show(a.name).c_str(), Show(a.abbrev).c_str(), Show(a.prereq1).c_str(),
                    Show(a.prereq2).c_str(), a.epoch.c_str(), a.category.c_str(),
                    next ? Show(advances.At(next).name).c_str() : "nothing");
    }
    std::printf("\n");

    const rules::UnitTable& units = doc.Units();
    std::printf("@UNITS: %d units, for example\n", units.Count());
    for (int k = 1; k <= units.Count() && k <= 6; ++k) {
        const rules::UnitRecord& u = units.At(k);
        std::printf(
            "  %2d %-16s attack %-2s defense %-2s moves %-2s needs %-4s obsolete by %-4s flags "
            "%s\n",
            k, Show(u.name).c_str(), u.attack.c_str(), u.defense.c_str(), u.moves.c_str(),
            Show(u.prereq).c_str(), Show(u.obsoleteBy).c_str(), u.flags.c_str());
    }
    std::printf("\n");

    if (const rules::Status status = doc.Save(); !status) {
        std::fprintf(stderr, "%s.\n", status.message.c_str());
        return 1;
    }
    const std::string after = ReadWholeFile(path);
    rules::LineStore oldLines, newLines;
    oldLines.LoadBytes(before);
    newLines.LoadBytes(after);
    int changed = 0;
    for (int i = 0; i < oldLines.LineCount(); ++i)
        changed += oldLines.GetLine(i) != newLines.GetLine(i);
    std::printf("Saved %s\n", path.c_str());
    std::printf(
        "  %d of %d lines rewritten in the editor's own spacing (the three sections); every other "
        "line kept.\n",
        changed, newLines.LineCount());
    std::printf("  The scratch folder %s holds all three demo files; remove it when done.\n",
                scratch.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--check") == 0) return Check();
    Language language = Language::English;
    if (argc > 1) {
        const std::string arg = argv[1];
        if (arg == "french" || arg == "fr") {
            language = Language::French;
        } else if (arg == "german" || arg == "de") {
            language = Language::German;
        } else if (arg != "english" && arg != "en") {
            std::fprintf(stderr, "usage: %s [english|french|german] | --check\n", argv[0]);
            return 2;
        }
    }
    return Demo(language);
}
