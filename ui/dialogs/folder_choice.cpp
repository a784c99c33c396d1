#include "ui/dialogs/folder_choice.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>

#include "ui/widgets/remembered_settings.h"

namespace ui {

namespace {

constexpr auto kLastFolderKey = "lastFolder";

}  // namespace

QString ChooseGameFolder(const QString& start) {
    QString from = start;
    if (from.isEmpty()) from = RememberedSettings().value(kLastFolderKey).toString();
    if (from.isEmpty() || !QDir(from).exists()) from = QDir::homePath();

    QFileDialog dialog(nullptr, QStringLiteral("Choose the game's folder"), from);
    dialog.setObjectName(QStringLiteral("ChooseFolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};

    const QString chosen = QDir(dialog.selectedFiles().constFirst()).absolutePath();
    RememberedSettings().setValue(kLastFolderKey, chosen);
    return chosen;
}

}  // namespace ui
