// ovantra-rules show FILE: what the three edited sections of a rules file
// hold, as the editor reads them.

#include <cstdio>
#include <ostream>

#include "app/tool/commands.h"
#include "rules/document/cp1252.h"
#include "rules/document/rules_document.h"

namespace tool {

namespace {

std::string Text(std::string_view cp1252) { return rules::Cp1252ToUtf8(cp1252); }

// printf into a string, for column layouts.
template <typename... Values>
std::string Format(const char* format, Values... values) {
    char line[512];
    std::snprintf(line, sizeof line, format, values...);
    return line;
}

void ShowCosmic(const rules::CosmicSection& cosmic, std::ostream& out) {
    out << "@COSMIC: 21 values\n";
    std::string row;
    for (int p = 0; p < rules::kCosmicCount; ++p) {
        const std::string value = cosmic.LineOf(p) >= 0 ? Text(cosmic.Value(p)) : "(not read)";
        row += Format("  %-20s %-10s", rules::CosmicNames()[static_cast<std::size_t>(p)],
                      value.c_str());
        if (p % 3 == 2) {
            row.erase(row.find_last_not_of(' ') + 1);
            out << row << "\n";
            row.clear();
        }
    }
    out << "\n";
}

void ShowAdvances(const rules::AdvanceTable& advances, std::ostream& out) {
    out << "@CIVILIZE: " << advances.Count() << " advances\n";
    for (int k = 1; k <= advances.Count(); ++k) {
        const rules::AdvanceRecord& a = advances.At(k);
        // Every advance that names this one as a prerequisite, in table order.
        std::string allows;
        for (int j = 1; j <= advances.Count(); ++j) {
            const rules::AdvanceRecord& other = advances.At(j);
            if (other.prereq1 != a.abbrev && other.prereq2 != a.abbrev) continue;
            allows += (allows.empty() ? "" : ", ") + Text(other.name);
        }
        out << Format("  %2d %-22s %-4s needs %-4s %-4s epoch %s, category %s; allows ", k,
                      Text(a.name).c_str(), Text(a.abbrev).c_str(), Text(a.prereq1).c_str(),
                      Text(a.prereq2).c_str(), a.epoch.c_str(), a.category.c_str())
            << (allows.empty() ? "nothing" : allows) << "\n";
    }
    out << "\n";
}

void ShowUnits(const rules::UnitTable& units, std::ostream& out) {
    out << "@UNITS: " << units.Count() << " units\n";
    for (int k = 1; k <= units.Count(); ++k) {
        const rules::UnitRecord& u = units.At(k);
        out << Format(
            "  %2d %-20s attack %-2s defense %-2s moves %-2s needs %-4s obsolete by %-4s flags %s\n",
            k, Text(u.name).c_str(), Text(u.attack).c_str(), Text(u.defense).c_str(),
            Text(u.moves).c_str(), Text(u.prereq).c_str(), Text(u.obsoleteBy).c_str(),
            Text(u.flags).c_str());
    }
}

}  // namespace

int RunShow(const Arguments& arguments, Streams io) {
    const Command& command = CommandNamed("show");
    std::vector<std::string> files;
    if (const std::optional<int> stop = TakeFileNames(command, arguments, io, files)) return *stop;
    if (files.size() != 1) return UsageError(command, "show takes one rules file", io);

    rules::RulesDocument document;
    if (!ReadRulesFile(files[0], document, io)) return kExitFailure;
    io.out << files[0] << ": " << document.Lines().LineCount() << " lines\n\n";
    if (document.GetFindings().empty()) {
        io.out << "Lines set aside: none\n\n";
    } else {
        io.out << "Lines set aside (written back untouched):\n";
        for (const rules::Finding& f : document.GetFindings())
            io.out << "  " << rules::Describe(f) << "\n";
        io.out << "\n";
    }
    ShowCosmic(document.Cosmic(), io.out);
    ShowAdvances(document.Advances(), io.out);
    ShowUnits(document.Units(), io.out);
    return kExitOk;
}

}  // namespace tool
