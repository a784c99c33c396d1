// ovantra-rules textconv FILE: the rules file as one line per field, for
// git's diff (`diff.ovantra-rules.textconv`), so that every git front end
// shows which field of which record changed.

#include <optional>
#include <ostream>

#include "app/tool/commands.h"
#include "rules/compare/field_listing.h"
#include "rules/document/cp1252.h"
#include "rules/document/rules_document.h"

namespace tool {

int RunTextconv(const Arguments& arguments, Streams io) {
    const Command& command = CommandNamed("textconv");
    std::vector<std::string> files;
    if (const std::optional<int> stop = TakeFileNames(command, arguments, io, files)) return *stop;
    if (files.size() != 1) return UsageError(command, "give one rules file", io);
    rules::RulesDocument document;
    // git asks for the text of every side, an empty or new file included.
    if (!ReadRulesFileOrWhy(files[0], document, io).empty()) return kExitFailure;
    for (const std::string& line : rules::FieldListing(document))
        io.out << rules::Cp1252ToUtf8(line) << "\n";
    return kExitOk;
}

}  // namespace tool
