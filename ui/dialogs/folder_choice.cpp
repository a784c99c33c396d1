#include "ui/dialogs/folder_choice.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>

namespace ui {

namespace {

constexpr auto kLastFolderKey = "lastFolder";

// Named for the program rather than its display title, so the file is easy
// to find: ~/.config/ovantra-rules-editor/ovantra-rules-editor.conf.
QSettings Remembered() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("ovantra-rules-editor"), QStringLiteral("ovantra-rules-editor"));
}

}  // namespace

QString ChooseGameFolder(const QString& start) {
    QString from = start;
    if (from.isEmpty()) from = Remembered().value(kLastFolderKey).toString();
    if (from.isEmpty() || !QDir(from).exists()) from = QDir::homePath();

    QFileDialog dialog(nullptr, QStringLiteral("Choose the game's folder"), from);
    dialog.setObjectName(QStringLiteral("ChooseFolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};

    const QString chosen = QDir(dialog.selectedFiles().constFirst()).absolutePath();
    Remembered().setValue(kLastFolderKey, chosen);
    return chosen;
}

}  // namespace ui
