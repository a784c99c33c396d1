// ovantra-rules tree FILE [--focus ABBREV] -o OUT: the tree of advances (or
// only one advance with all it needs and all it opens) as DOT, SVG or PNG, by
// OUT's extension.

#include <fstream>
#include <optional>
#include <ostream>

#include "app/tool/commands.h"
#include "rules/tree/graphviz/tree_layout.h"
#include "rules/check/rules_check.h"
#include "rules/tree/tech_tree.h"

namespace tool {

int RunTree(const Arguments& arguments, Streams io) {
    const Command& command = CommandNamed("tree");
    std::string output;
    std::optional<std::string> focus;
    Arguments rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "-o" || arguments[i] == "--output") {
            if (i + 1 == arguments.size()) return UsageError(command, "-o needs a file name", io);
            if (!output.empty()) return UsageError(command, "more than one output file", io);
            output = arguments[++i];
            if (output.empty()) return UsageError(command, "-o needs a file name", io);
        } else if (arguments[i] == "--focus") {
            if (i + 1 == arguments.size()) return UsageError(command, "--focus needs an abbreviation", io);
            if (focus) return UsageError(command, "more than one --focus", io);
            focus = arguments[++i];
        } else {
            rest.push_back(arguments[i]);
        }
    }
    std::vector<std::string> files;
    if (const std::optional<int> stop = TakeFileNames(command, rest, io, files)) return *stop;
    if (files.size() != 1) return UsageError(command, "give one rules file", io);
    if (output.empty()) return UsageError(command, "no output file (-o OUT)", io);
    const std::optional<rules::TreeFormat> format = rules::TreeFormatOfFileName(output);
    if (!format) {
        return UsageError(command, "cannot tell the format of " + output + " (use .dot, .svg or .png)", io);
    }

    if (const std::optional<int> stop = RefuseOutputOverInput(command, output, files, io)) return *stop;

    rules::RulesDocument document;
    if (!ReadRulesFile(files[0], document, io)) return kExitFailure;
    std::string bytes;
    const rules::TechTree tree = rules::TechTree::Build(document.Advances(), document.Units());
    std::optional<rules::TreePart> part;
    if (focus) {
        const int node = tree.NodeOfAbbrev(*focus);
        if (node < 0) {
            io.err << "ovantra-rules: no advance in " << files[0] << " has the abbreviation \"" << *focus
                   << "\".\n";
            return kExitFailure;
        }
        part = tree.FocusOn(node);
    }
    if (const rules::Status status = rules::RenderTree(tree, *format, bytes, part ? &*part : nullptr); !status) {
        io.err << "ovantra-rules: " << status.message << ".\n";
        return kExitFailure;
    }
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
        io.err << "ovantra-rules: Cannot create file " << output << ".\n";
        return kExitFailure;
    }
    const std::size_t count = part ? part->nodes.size() : tree.Nodes().size();
    io.out << "Wrote the tree of " << count << (count == 1 ? " advance" : " advances") << " to " << output
           << ".\n";

    // As for check: the tree shows the faults, and the status says whether
    // the file holds an error.
    int errors = 0;
    for (const rules::Problem& problem : rules::CheckRules(document)) {
        errors += problem.severity == rules::Severity::Error;
    }
    if (errors == 0) return kExitOk;
    io.err << "ovantra-rules: " << files[0] << " holds " << errors << (errors == 1 ? " error" : " errors")
           << "; 'ovantra-rules check " << files[0] << "' lists them.\n";
    return kExitProblems;
}

}  // namespace tool
