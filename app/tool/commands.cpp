#include "app/tool/commands.h"

namespace tool {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"check", "[OPTIONS] FILE...",
         "report what would make the game misread each rules file, one line per problem", RunCheck},
        {"diff", "BASE OTHER [--format=json]",
         "print what OTHER changes against BASE, field by field, one line per difference",
         RunDiff},
        {"set", "FILE SECTION RECORD FIELD=VALUE... [--dry-run]",
         "change fields of one unit, advance or cosmic value, or cells of a row of another section, "
         "as the Table page does, and save the file as Save Changes does",
         RunSet},
        {"format", "FILE [-o OUT] [--check]",
         "align the columns of the units, advances and cosmic values; --check lists the lines "
         "that are not aligned",
         RunFormat},
        {"export", "FILE SECTION [-o OUT.csv]",
         "write a section (units, advances, cosmic or another section's name) as the Table "
         "page's CSV, to OUT.csv or the standard output",
         RunExport},
        {"import", "FILE IN.csv [SECTION] [--dry-run]",
         "bring a CSV into a section as the Table page does, all or nothing, print the changes "
         "as diff does and save the file as Save Changes does",
         RunImport},
        {"merge", "BASE OURS THEIRS [-o OUT] [OPTIONS]",
         "bring what THEIRS changed against BASE onto OURS, field by field; git's merge driver",
         RunMerge},
        {"textconv", "FILE",
         "print a rules file as one line per field, for git's diff and log", RunTextconv},
        {"git-setup", "[--global]",
         "make git merge and diff rules files with this tool, here or (--global) everywhere",
         RunGitSetup},
        {"show", "FILE", "print what the three edited sections of a rules file hold", RunShow},
        {"tree", "FILE [--focus ABBREV] -o OUT",
         "write the tree of advances as a DOT graph or an SVG or PNG picture, by OUT's extension",
         RunTree},
        {"lsp", "",
         "serve a text editor the check, hover, completion and fixes (Language Server Protocol)",
         RunLsp},
    };
    return commands;
}

}  // namespace tool
