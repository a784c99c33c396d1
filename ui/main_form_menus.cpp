// The main window's menu bar: File, Edit, View and Help, and the list of
// keyboard shortcuts that Help shows.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QUndoStack>

#include "ui/dialogs/message_boxes.h"
#include "ui/edit/document_editor.h"
#include "ui/help/manual_window.h"
#include "ui/main_form.h"
#include "ui/widgets/key_help.h"

namespace ui {

void TMainForm::BuildMenus(QWidget* aboutPage) {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
    // The menus are the desktop's, not part of the designed window.
    menuBar_->setFont(QApplication::font(menuBar_));

    QMenu* file = menuBar_->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    QAction* save = file->addAction(tr("&Save Changes"), this, &TMainForm::SaveChangesClick);
    save->setObjectName(QStringLiteral("SaveChangesAction"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    earlierVersions_ = file->addAction(tr("&Earlier Versions..."), this,
                                       &TMainForm::EarlierVersionsClick);
    earlierVersions_->setObjectName(QStringLiteral("EarlierVersionsAction"));
    compareWith_ = file->addAction(tr("&Compare With..."), this, &TMainForm::CompareWithClick);
    compareWith_->setObjectName(QStringLiteral("CompareWithAction"));
    // The keys of the differences window that Compare With and Earlier
    // Versions open.
    DeclareKeys(compareWith_, tr("Alt+T"), tr("Take theirs: the selected differences"));
    DeclareKeys(compareWith_, tr("Ctrl+A"), tr("Select every difference"));
    DeclareKeys(compareWith_, tr("Enter, double-click"), tr("Show a difference's record"));
    QAction* merge = file->addAction(tr("&Merge..."), this, &TMainForm::MergeClick);
    merge->setObjectName(QStringLiteral("MergeAction"));
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), this, &TMainForm::QuitButtonClick);
    quit->setObjectName(QStringLiteral("QuitAction"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = menuBar_->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    // The keys themselves are handled by UndoKeys wherever the focus is; the
    // actions show them and act on a click.
    QAction* undo = editor_->Stack()->createUndoAction(edit, tr("Undo"));
    undo->setObjectName(QStringLiteral("UndoAction"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setWhatsThis(tr("Undo, wherever the focus is"));
    QAction* redo = editor_->Stack()->createRedoAction(edit, tr("Redo"));
    redo->setObjectName(QStringLiteral("RedoAction"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                        QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redo->setWhatsThis(tr("Redo, wherever the focus is"));
    // Through the editor, so a step being typed ends first.
    disconnect(undo, &QAction::triggered, nullptr, nullptr);
    disconnect(redo, &QAction::triggered, nullptr, nullptr);
    connect(undo, &QAction::triggered, editor_, &DocumentEditor::Undo);
    connect(redo, &QAction::triggered, editor_, &DocumentEditor::Redo);
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    QAction* align = edit->addAction(tr("&Align Columns"), this, [this] {
        editor_->CommitPendingEdits();
        if (!Document().Parsed())
            ShowInformationBox(this, tr("No rules file was loaded, so there is nothing to align."));
        else if (!editor_->AlignColumns())
            ShowInformationBox(this, tr("Every column is aligned already."));
    });
    align->setObjectName(QStringLiteral("AlignColumnsAction"));

    viewMenu_ = menuBar_->addMenu(tr("&View"));
    viewMenu_->setObjectName(QStringLiteral("ViewMenu"));
    // Built now for the shortcuts, and again on opening for the captions
    // (the Check page counts its problems) and any page added since.
    FillViewMenu();
    connect(viewMenu_, &QMenu::aboutToShow, this, &TMainForm::FillViewMenu);

    QMenu* help = menuBar_->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    QAction* manual = help->addAction(tr("&Manual"), this, &TMainForm::ShowManual);
    manual->setObjectName(QStringLiteral("ManualAction"));
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    help->addAction(tr("&Keyboard Shortcuts"), this, &TMainForm::ShowKeyboardShortcuts)
        ->setObjectName(QStringLiteral("KeyboardShortcutsAction"));
    help->addAction(tr("&About"), this, [this, aboutPage] {
            pageControl_->setCurrentWidget(aboutPage);
        })->setObjectName(QStringLiteral("AboutAction"));
}

void TMainForm::FillViewMenu() {
    viewMenu_->clear();
    for (int i = 0; i < pageControl_->count(); ++i) {
        QWidget* page = pageControl_->widget(i);
        QAction* action = viewMenu_->addAction(pageControl_->tabText(i), this,
                                               [this, page] { pageControl_->setCurrentWidget(page); });
        action->setObjectName(QStringLiteral("View%1Action").arg(page->objectName()));
        action->setWhatsThis(tr("The %1 page").arg(pageControl_->tabText(i)));
        action->setCheckable(true);
        action->setChecked(pageControl_->currentIndex() == i);
        if (i < 9) action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)));
    }
    AddLanguageMenu(viewMenu_);
}

void TMainForm::ShowKeyboardShortcuts() {
    FillViewMenu();
    // The pages declare their keys on their controls, which are made when
    // a page is first shown: those not yet shown make theirs now.
    BuildPages();
    // Gathered from the window itself: every action with its keys, and the
    // keys the pages and lists declare where they handle them.
    const QList<QPair<QString, QString>> rows = GatherKeys(this);
    QString table = QStringLiteral("<table cellspacing=\"2\">");
    for (const auto& [keys, action] : rows) {
        table += QStringLiteral("<tr><td style='white-space:nowrap'><b>%1</b></td>"
                                "<td style='white-space:nowrap'>&nbsp;&nbsp;%2</td></tr>")
                     .arg(keys.toHtmlEscaped(), action.toHtmlEscaped());
    }
    table += QStringLiteral("</table>");
    QMessageBox box(QMessageBox::Information, ApplicationTitle(), table, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("KeyboardShortcutsBox"));
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void TMainForm::ShowManual() {
    // Made, and its pages read, only when first asked for.
    if (!manual_) manual_ = new ManualWindow(this);
    manual_->ShowChapter(ManualChapterOf(pageControl_->currentWidget()));
    manual_->show();
    manual_->raise();
    manual_->activateWindow();
}

}  // namespace ui
