#include <QApplication>

#include "ui/app_icon.h"
#include "ui/editor_windows.h"
#include "ui/fonts.h"
#include "ui/message_boxes.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ui::ApplicationTitle());
    QApplication::setWindowIcon(ui::AppIcon());
    ui::InstallFontSubstitutions();

    ui::EditorWindows windows;
    windows.main.show();
    return QApplication::exec();
}
