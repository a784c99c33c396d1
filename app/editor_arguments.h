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
    // Fail: one sentence saying what is wrong, and whether the usage should
    // follow it (a wrong option rather than a path that names nothing).
    std::string message;
    bool showUsage = false;
    // The toolkit's own options (-platform NAME, -style NAME, ...), passed on
    // to it untouched.
    std::vector<std::string> toolkitArguments;
};

// `args` are the arguments after the program's name. A FILE stands for the
// folder that holds it; a path that does not exist is a failure.
EditorArguments ParseEditorArguments(const std::vector<std::string>& args);

std::string EditorUsage();
std::string EditorVersion();

// Exit status for wrong arguments or a folder that does not exist.
constexpr int kBadArgumentsExitStatus = 2;

}  // namespace app
