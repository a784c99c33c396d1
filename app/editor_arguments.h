#pragma once

#include <string>
#include <vector>

namespace app {

// What the editor's command line asks for. Read before any window exists, so
// that --help, --version and mistakes need no display.
struct EditorArguments {
    enum class Action { Run, ChooseFolder, Help, Version, Fail };

    Action action = Action::Run;
    // Run: the folder to work in (empty: the current one). ChooseFolder: where
    // the folder dialog starts (empty: the folder chosen last time).
    std::string folder;
    // Run: the rules file named on the command line, as a name inside
    // `folder` (empty: the settings file or the language dialog decide). Its
    // name gives the language, and it is the file loaded and saved.
    std::string file;
    // Fail: one sentence saying what is wrong, and whether the usage should
    // follow it (a wrong option rather than a path that names nothing).
    std::string message;
    bool showUsage = false;
    // The toolkit's own options (-platform NAME, -style NAME, ...), passed on
    // to it untouched.
    std::vector<std::string> toolkitArguments;
};

// `args` are the arguments after the program's name. A FILE is worked on in
// the folder that holds it; a path that does not exist, or a file whose name
// ends in none of .txt, .fre, .ger, is a failure.
EditorArguments ParseEditorArguments(const std::vector<std::string>& args);

std::string EditorUsage();
std::string EditorVersion();

// Exit status for wrong arguments or a folder that does not exist.
constexpr int kBadArgumentsExitStatus = 2;

}  // namespace app
