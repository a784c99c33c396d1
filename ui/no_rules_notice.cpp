#include "ui/no_rules_notice.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace ui {

void CoverWithNoRulesNotice(const QList<QWidget*>& pages, const QString& fileName) {
    const QString folder = QDir::toNativeSeparators(QDir::currentPath()).toHtmlEscaped();
    const QString name = fileName.toHtmlEscaped();
    // A command never breaks across lines, so it can be read and copied whole.
    auto command = [](const QString& words) {
        return QStringLiteral("<span style='white-space:nowrap'>%1</span>").arg(words);
    };
    const QFileInfo file(fileName);
    QString text;
    if (file.isDir()) {
        text = QStringLiteral("%1 in %2 is a folder, not a file.").arg(name, folder);
    } else if (file.exists()) {
        text = QStringLiteral("%1 in %2 cannot be read: check its permissions.").arg(name, folder);
    } else {
        text = QStringLiteral("%1 could not be opened in %2. Start the editor in the game's "
                              "folder: %3, or %4.")
                   .arg(name, folder, command(QStringLiteral("ovantra-rules-editor FOLDER")),
                        command(QStringLiteral("ovantra-rules-editor --choose-folder")));
    }
    for (QWidget* page : pages) {
        // The controls stay (nothing else depends on them going), but out of
        // reach under the notice.
        for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            control->setEnabled(false);
        }
        auto* notice = new QLabel(text, page);
        notice->setTextFormat(Qt::RichText);
        notice->setObjectName(QStringLiteral("NoRulesNotice"));
        notice->setWordWrap(true);
        notice->setAlignment(Qt::AlignCenter);
        notice->setMargin(24);
        notice->setAutoFillBackground(true);
        notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A layout of its own keeps the notice over the whole page, whatever
        // size the page gets; the controls stay where they were placed.
        auto* cover = new QVBoxLayout(page);
        cover->setContentsMargins(0, 0, 0, 0);
        cover->addWidget(notice);
        notice->show();
    }
}

}  // namespace ui
