#include <QApplication>
#include <QDir>
#include <cstdio>
#include <string>
#include <vector>

#include "app/editor_arguments.h"
#include "ui/app_icon.h"
#include "ui/editor_windows.h"
#include "ui/folder_choice.h"
#include "ui/fonts.h"
#include "ui/message_boxes.h"

namespace {

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

    // The toolkit sees only its own options.
    std::vector<char*> toolkitArgv{argv[0]};
    std::vector<std::string> toolkitArgs = args.toolkitArguments;
    for (std::string& arg : toolkitArgs) toolkitArgv.push_back(arg.data());
    toolkitArgv.push_back(nullptr);
    int toolkitArgc = static_cast<int>(toolkitArgv.size()) - 1;

    QApplication app(toolkitArgc, toolkitArgv.data());
    QApplication::setApplicationName(ui::ApplicationTitle());
    QApplication::setWindowIcon(ui::AppIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ovantra.RulesEditor"));
    ui::InstallFontSubstitutions();

    QString folder = QString::fromStdString(args.folder);
    if (args.action == app::EditorArguments::Action::ChooseFolder) {
        folder = ui::ChooseGameFolder(folder);
        if (folder.isEmpty()) return 0;
    }
    // The rules and settings files are bare names: working in a folder means
    // making it the current one.
    if (!folder.isEmpty() && !QDir::setCurrent(folder)) {
        return BadArguments("cannot enter the folder " + folder.toStdString(), false);
    }

    ui::EditorWindows windows;
    windows.main.show();
    return QApplication::exec();
}
