// The main window in the language chosen: View > Language, and showing every
// caption of the window again when the language changes.
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

#include "ui/language/language_choice.h"
#include "ui/main_form.h"
#include "ui/pages/check_page.h"

namespace ui {

void TMainForm::AddLanguageMenu(QMenu* view) {
    view->addSeparator();
    QMenu* menu = view->addMenu(tr("&Language"));
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu);
    for (const EditorLanguage& language : EditorLanguages()) {
        // Each in its own language, so that it can be found whatever is shown.
        QAction* action = menu->addAction(language.name);
        action->setObjectName(QStringLiteral("Language_%1").arg(language.code));
        action->setCheckable(true);
        action->setChecked(CurrentLanguage() == language.code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [code = language.code] {
            RememberLanguage(code);
            ApplyLanguage(code);
        });
    }
}

void TMainForm::TitleWindowAndPages() {
    // "[*]" shows as the desktop's mark while there are unsaved changes.
    setWindowTitle(tr("Ovantra Rules File Editor 1.01[*]"));
    // Controls without a hint of their own show this one: tool-tip events
    // travel up to the nearest widget that has a hint.
    setToolTip(tr("Right-click for help"));
    const QPair<QString, QString> tabs[] = {
        {QStringLiteral("Cosmic"), tr("Cosmic")},   {QStringLiteral("Units"), tr("Units")},
        {QStringLiteral("TabSheet1"), tr("Advances")}, {QStringLiteral("TabSheet2"), tr("About")},
        {QStringLiteral("Tree"), tr("Tree")},       {QStringLiteral("Table"), tr("Table")},
        {QStringLiteral("SourcePage"), tr("Source")}};
    for (int i = 0; i < pageControl_->count(); ++i) {
        const QWidget* page = pageControl_->widget(i);
        if (page == checkPage_) pageControl_->setTabText(i, checkPage_->Caption());
        for (const auto& [name, caption] : tabs)
            if (page->objectName() == name) pageControl_->setTabText(i, caption);
    }
}

void TMainForm::Retranslate() {
    TitleWindowAndPages();
    // The menus are made anew: the undo and redo actions keep the words they
    // were made with.
    const int bar = menuBar_->height();
    delete menuBar_;
    BuildMenus(aboutPage_);
    menuBar_->setGeometry(0, 0, width(), bar);
    menuBar_->show();
}

}  // namespace ui
