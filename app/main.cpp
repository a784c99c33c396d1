#include <QApplication>
#include <QFile>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/editor_arguments.h"
#include "ui/language/language_choice.h"
#include "ui/app_icon.h"
#include "ui/editor_windows.h"
#include "ui/dialogs/folder_choice.h"
#include "ui/widgets/editor_style.h"
#include "ui/widgets/fonts.h"
#include "ui/dialogs/message_boxes.h"

namespace {

// The rules and settings files are bare names: working in a folder means
// making it the current one.
bool EnterFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::current_path(folder, error);
    return !error;
}

int BadArguments(const std::string& message, bool showUsage) {
    std::fprintf(stderr, "ovantra-rules-editor: %s\n", message.c_str());
    if (showUsage) std::fprintf(stderr, "\n%s", app::EditorUsage().c_str());
    return app::kBadArgumentsExitStatus;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The command line is read before the toolkit starts: help, version and
    // mistakes are answered without a display.
    const app::EditorArguments args =
        app::ParseEditorArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (args.action) {
    case app::EditorArguments::Action::Help:
        std::fputs(app::EditorUsage().c_str(), stdout);
        return 0;
    case app::EditorArguments::Action::Version:
        std::printf("%s\n", app::EditorVersion().c_str());
        return 0;
    case app::EditorArguments::Action::Fail:
        return BadArguments(args.message, args.showUsage);
    case app::EditorArguments::Action::Run:
    case app::EditorArguments::Action::ChooseFolder:
        break;
    }

    if (args.action == app::EditorArguments::Action::Run && !args.folder.empty() &&
        !EnterFolder(args.folder)) {
        return BadArguments("cannot enter the folder " + args.folder, false);
    }

    // The toolkit sees only its own options.
    std::vector<char*> toolkitArgv{argv[0]};
    std::vector<std::string> toolkitArgs = args.toolkitArguments;
    for (std::string& arg : toolkitArgs) toolkitArgv.push_back(arg.data());
    toolkitArgv.push_back(nullptr);
    int toolkitArgc = static_cast<int>(toolkitArgv.size()) - 1;

    QApplication app(toolkitArgc, toolkitArgv.data());
    QApplication::setApplicationName(ui::ApplicationTitle());
    QApplication::setWindowIcon(ui::AppIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral(RULES_EDITOR_APP_ID));
    ui::InstallFontSubstitutions();
    ui::InstallEditorStyle();
    // The desktop's language unless View > Language chose another.
    ui::ApplyLanguage(ui::ChosenLanguage());

    if (args.action == app::EditorArguments::Action::ChooseFolder) {
        const QString chosen = ui::ChooseGameFolder(QFile::decodeName(args.folder.c_str()));
        if (chosen.isEmpty()) return 0;
        const std::string folder = QFile::encodeName(chosen).toStdString();
        if (!EnterFolder(folder)) {
            // Started from the menu there is no terminal to read: say it in a box too.
            ui::ShowErrorBox(nullptr, QStringLiteral("Cannot enter the folder %1").arg(chosen));
            return BadArguments("cannot enter the folder " + folder, false);
        }
    }

    ui::EditorWindows windows;
    if (args.action == app::EditorArguments::Action::Run) windows.main.SetRulesFile(args.file);
    windows.main.show();
    return QApplication::exec();
}
