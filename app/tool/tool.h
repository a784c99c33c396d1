#pragma once

// The command-line tool `ovantra-rules`: one program, several commands, each
// in its own source file. A command is a function over its arguments (what
// follows its name) that writes to the given streams and returns the exit
// status; it never writes a file unless its arguments name one to write.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace rules {
class RulesDocument;
}

namespace tool {

constexpr int kExitOk = 0;
constexpr int kExitProblems = 1;  // the files were read, and one holds an error
constexpr int kExitFailure = 2;   // a file could not be read, or the arguments are wrong

struct Streams {
    std::ostream& out;
    std::ostream& err;
};

using Arguments = std::vector<std::string>;

// A command's texts come from its page of the command-line reference
// (docs/cli/NAME.md), so that --help says what the manual page says.
struct Command {
    const char* name;       // "check"
    const char* arguments;  // "FILE..."
    const char* summary;    // one line for the usage text
    const char* help;       // what COMMAND --help prints: synopsis, summary, options
    int (*run)(const Arguments& arguments, Streams io);
};

// Every command, in the order the usage text lists them (commands.cpp).
const std::vector<Command>& Commands();

// Runs the tool on its arguments (without the program name).
int RunTool(const Arguments& arguments, Streams io);

// The usage text of the whole tool.
std::string Usage();

// For commands: writes "ovantra-rules: MESSAGE", the command's usage line and
// a pointer to --help on the error stream, and returns kExitFailure.
int UsageError(const Command& command, const std::string& message, Streams io);

// For commands that take file names only: "--help" prints the command's
// usage and gives kExitOk; any other option is a usage error; "--" ends the
// options. Otherwise fills `files` and gives nothing.
std::optional<int> TakeFileNames(const Command& command, const Arguments& arguments, Streams io,
                                 std::vector<std::string>& files);

// Loads and parses a rules file for a command. The language only matters
// for writing the file, which no command does, so any file name is read the
// same way. On failure says why on the error stream and gives false.
// A file that holds none of the sections is refused, said so.
bool ReadRulesFile(const std::string& file, rules::RulesDocument& document, Streams io);
// Says on the error stream that `file` holds none of the sections.
void SayNotARulesFile(const std::string& file, Streams io);
// The same, giving why the file could not be read (empty when it was) and
// saying it on the error stream.
std::string ReadRulesFileOrWhy(const std::string& file, rules::RulesDocument& document,
                               Streams io);

// Loads and parses a rules file that a command will change: its name gives
// the language (.fre French, .ger German, anything else English), which only
// the designed form of a cosmic line uses. A file holding none of the three
// sections is refused, as the editor refuses to save one. On failure says
// why on the error stream and gives false.
bool ReadRulesFileToChange(const std::string& file, rules::RulesDocument& document, Streams io);

// Saves the document as the editor's Save Changes does: written only when
// its bytes change, the bytes it replaces kept as an earlier version in the
// editor's folder for them, a file the user may not write refused with the
// editor's message. Says what went wrong on the error stream; gives the
// exit status (a version that could not be kept is a warning only).
int SaveAsTheEditorDoes(rules::RulesDocument& document, Streams io);

// For commands that write an output file: when `output` is one of `inputs`
// (the same name, a symbolic link to it or another hard link of it), says so
// on the error stream naming both and gives kExitFailure, before anything is
// written: the output would destroy what the command reads. Otherwise
// nothing. An empty `output` (the standard output) is never an input.
std::optional<int> RefuseOutputOverInput(const Command& command, const std::string& output,
                                         const std::vector<std::string>& inputs, Streams io);

// Whether an argument is an option ("-x", "--long"); "-" alone is not.
bool IsOption(const std::string& argument);

// "--help" or "-h".
bool IsHelp(const std::string& argument);

// The command of that name; the tool's own list must hold it.
const Command& CommandNamed(const std::string& name);

}  // namespace tool
