#include "app/editor_arguments.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "rules/document/language.h"

namespace app {

namespace {

namespace fs = std::filesystem;

// Options the toolkit reads itself; without them a desktop program could not
// be told which display, platform or style to use.
constexpr std::array<std::string_view, 14> kToolkitOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowtitle", "qwindowicon", "display", "geometry", "style",
    "stylesheet", "session", "name", "title"};
constexpr std::array<std::string_view, 5> kToolkitFlags = {"reverse", "nograb", "dograb", "sync",
                                                           "widgetcount"};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::string_view n : names) {
        if (n == name) return true;
    }
    return false;
}

EditorArguments Failure(std::string message, bool showUsage = true) {
    EditorArguments result;
    result.action = EditorArguments::Action::Fail;
    result.message = std::move(message);
    result.showUsage = showUsage;
    return result;
}

// The folder a path stands for: a folder itself, or the folder of a file,
// whose own name then goes to `file`. Empty when the path names nothing.
std::string FolderOf(const std::string& path, std::string& file, std::string& error) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
        error = "no such folder or file: " + path;
        return {};
    }
    if (fs::is_directory(status)) return path;
    file = fs::path(path).filename().string();
    if (!rules::LanguageFromFileName(file)) {
        error = "cannot tell the language of " + path +
                ": a rules file's name ends in .txt, .fre or .ger";
        return {};
    }
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

}  // namespace

EditorArguments ParseEditorArguments(const std::vector<std::string>& args) {
    EditorArguments result;
    bool chooseFolder = false;
    bool optionsEnded = false;
    std::vector<std::string> paths;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            paths.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            result.action = EditorArguments::Action::Help;
            return result;
        } else if (arg == "--version" || arg == "-v") {
            result.action = EditorArguments::Action::Version;
            return result;
        } else if (arg == "--choose-folder") {
            chooseFolder = true;
        } else {
            // The toolkit takes its options with one dash or two.
            std::string_view name(arg);
            name.remove_prefix(name.starts_with("--") ? 2 : 1);
            if (Contains(kToolkitFlags, name)) {
                result.toolkitArguments.push_back(arg);
            } else if (Contains(kToolkitOptionsWithValue, name)) {
                if (i + 1 == args.size()) return Failure("option " + arg + " needs a value");
                result.toolkitArguments.push_back(arg);
                result.toolkitArguments.push_back(args[++i]);
            } else {
                return Failure("unknown option: " + arg);
            }
        }
    }

    if (paths.size() > 1) return Failure("more than one folder or file given: " + paths[1]);
    if (!paths.empty()) {
        std::string error;
        result.folder = FolderOf(paths.front(), result.file, error);
        if (result.folder.empty()) return Failure(error, false);
    }
    if (chooseFolder) result.action = EditorArguments::Action::ChooseFolder;
    return result;
}

std::string EditorUsage() {
    return "Usage: ovantra-rules-editor [FOLDER | FILE]\n"
           "       ovantra-rules-editor --choose-folder [FOLDER]\n"
           "Edit the rules file (rules.txt, rules.fre or rules.ger) of a game folder.\n"
           "\n"
           "  FOLDER           work in this folder (default: the current folder)\n"
           "  FILE             edit this rules file; its name gives the language\n"
           "  --choose-folder  ask for the folder first, starting where it was last chosen\n"
           "  -h, --help       show this help and exit\n"
           "  -v, --version    show the version and exit\n";
}

std::string EditorVersion() { return std::string("ovantra-rules-editor ") + RULES_EDITOR_VERSION; }

}  // namespace app
