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

// The file's text as UTF-8, then spaces up to `width` characters. Each byte
// of the file is one character, though an accented one takes two bytes in
// UTF-8: counting the file's bytes keeps "For\xEAt" as wide as "Forest".
std::string Column(std::string_view cp1252, std::size_t width) {
    std::string text = Text(cp1252);
    if (cp1252.size() < width) text.append(width - cp1252.size(), ' ');
    return text;
}

std::string Number(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%2d", n);
    return text;
}

void ShowCosmic(const rules::CosmicSection& cosmic, std::ostream& out) {
    out << "@COSMIC: 21 values\n";
    std::string row;
    for (int p = 0; p < rules::kCosmicCount; ++p) {
        const std::string value = cosmic.LineOf(p) >= 0 ? cosmic.Value(p) : "(not read)";
        row += "  " + Column(rules::CosmicNames()[static_cast<std::size_t>(p)], 20) + " " +
               Column(value, 10);
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
        out << "  " << Number(k) << " " << Column(a.name, 22) << " " << Column(a.abbrev, 4)
            << " needs " << Column(a.prereq1, 4) << " " << Column(a.prereq2, 4) << " epoch "
            << Text(a.epoch) << ", category " << Text(a.category) << "; allows "
            << (allows.empty() ? "nothing" : allows) << "\n";
    }
    out << "\n";
}

void ShowUnits(const rules::UnitTable& units, std::ostream& out) {
    out << "@UNITS: " << units.Count() << " units\n";
    for (int k = 1; k <= units.Count(); ++k) {
        const rules::UnitRecord& u = units.At(k);
        out << "  " << Number(k) << " " << Column(u.name, 20) << " attack " << Column(u.attack, 2)
            << " defense " << Column(u.defense, 2) << " moves " << Column(u.moves, 2) << " needs "
            << Column(u.prereq, 4) << " obsolete by " << Column(u.obsoleteBy, 4) << " flags "
            << Text(u.flags) << "\n";
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
