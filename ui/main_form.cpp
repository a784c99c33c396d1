#include "ui/main_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <filesystem>

#include "rules/versions/version_store.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/edit/document_editor.h"
#include "ui/edit/undo_keys.h"
#include "ui/help/manual_window.h"
#include "ui/page_room.h"
#include "ui/pages/about_page.h"
#include "ui/pages/advances_page.h"
#include "ui/pages/check_page.h"
#include "ui/pages/cosmic_page.h"
#include "ui/pages/units_page.h"
#include "ui/source/source_page.h"
#include "ui/source/source_tab.h"
#include "ui/startup_sequence.h"
#include "ui/table/table_page.h"
#include "ui/tree/tree_page.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/widget_helpers.h"
#include "ui/no_rules_notice.h"
#include "ui/window_placement.h"

namespace ui {

TMainForm::TMainForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TMainForm"));
    setFont(SansFont());
    editor_ = new DocumentEditor(this);
    connect(editor_, &DocumentEditor::UnsavedChanged, this, &QWidget::setWindowModified);

    // The designed window lies below the menu bar. No layouts: the controls
    // keep their places and sizes whatever the window's size.
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->resize(625, 548);
    pageControl_ = new QTabWidget(client_);
    pageControl_->setObjectName(QStringLiteral("PageControl"));
    pageControl_->setGeometry(0, 0, 625, 545);
    pageControl_->setUsesScrollButtons(false);

    cosmicPage_ = new CosmicPage(*editor_);
    cosmicPage_->setObjectName(QStringLiteral("Cosmic"));
    unitsPage_ = new UnitsPage(*editor_);
    unitsPage_->setObjectName(QStringLiteral("Units"));
    advancesPage_ = new AdvancesPage(*editor_);
    advancesPage_->setObjectName(QStringLiteral("TabSheet1"));
    auto* aboutPage = new AboutPage();
    aboutPage_ = aboutPage;
    aboutPage->setObjectName(QStringLiteral("TabSheet2"));
    // The page that opens the window goes in first: a tab widget shows the
    // first page it gets at once, and the others make their controls only
    // when first shown.
    pageControl_->addTab(aboutPage, QString());
    pageControl_->insertTab(0, cosmicPage_, QString());
    pageControl_->insertTab(1, unitsPage_, QString());
    pageControl_->insertTab(2, advancesPage_, QString());
    checkPage_ = new CheckPage(*editor_);
    checkPage_->setObjectName(QStringLiteral("Check"));
    pageControl_->addTab(checkPage_, QString());
    treePage_ = new TreePage(editor_->Document());
    treePage_->setObjectName(QStringLiteral("Tree"));
    pageControl_->addTab(treePage_, QString());
    // Built when first shown: start-up does not wait for it.
    tablePage_ = new TablePage(*editor_);
    tablePage_->setObjectName(QStringLiteral("Table"));
    pageControl_->addTab(tablePage_, QString());
    QWidget* sourcePage = AddSourcePage(*this, *pageControl_, *checkPage_);  // built when first shown too
    TitleWindowAndPages();
    // F1 opens the manual on the chapter of the page in front.
    SetManualChapter(cosmicPage_, "cosmic.md");
    SetManualChapter(unitsPage_, "units.md");
    SetManualChapter(advancesPage_, "advances.md");
    SetManualChapter(aboutPage, "starting.md");
    SetManualChapter(checkPage_, "check.md");
    SetManualChapter(treePage_, "tree.md");
    SetManualChapter(tablePage_, "table.md");
    SetManualChapter(sourcePage, "source.md");
    // An advance clicked in the tree is the one the Advances page shows next.
    connect(treePage_, &TreePage::AdvanceChosen, advancesPage_, &RecordPage::ShowOnNextEntry);
    connect(treePage_, &TreePage::ShowOnAdvancesPage, this,
            [this](int number) { GoToRecord(rules::SectionId::Advances, number); });
    treePage_->SetEditor(editor_);
    // The list and drawing pages use the room of an enlarged window.
    MarkRoomy(checkPage_);
    MarkRoomy(treePage_);
    MarkRoomy(tablePage_);
    // Made first, so that a page has its room before it is entered (and the
    // tree fitted into it).
    new PageRoom(client_, pageControl_);
    // Connected after the pages went in, with About in front: opening is no
    // page switch.
    connect(pageControl_, &QTabWidget::currentChanged, this, &TMainForm::PageControlChange);

    // Undo and redo show what they changed.
    connect(editor_, &DocumentEditor::StepRevisited, this, [this](const rules::FieldRef& ref) {
        // The tree shows an advance's change where the user is: the advance
        // goes on show there rather than the window turning to its page.
        if (pageControl_->currentWidget() == treePage_ && ref.section == rules::SectionId::Advances) {
            treePage_->Highlight(ref.record);
            advancesPage_->ShowOnNextEntry(ref.record);
            return;
        }
        // The table shows every record: it points at the cell instead.
        if (pageControl_->currentWidget() == tablePage_) {
            tablePage_->ShowField(ref);
            return;
        }
        if (auto* source = qobject_cast<SourcePage*>(pageControl_->currentWidget())) {
            source->ShowRecord(ref.section, ref.record);
            return;
        }
        GoToRecord(ref.section, ref.record);
    });
    // Keystrokes fold into one step until the focus moves on.
    connect(qApp, &QApplication::focusChanged, editor_, &DocumentEditor::EndTyping);
    new UndoKeys(this, *editor_);
    connect(editor_, &DocumentEditor::CellRevisited, this, &TMainForm::GoToCell);
    connect(checkPage_, &CheckPage::ProblemActivated, this,
            [this](rules::SectionId section, int record, int) { GoToRecord(section, record); });
    connect(checkPage_, &CheckPage::CellActivated, this, &TMainForm::GoToCell);
    connect(checkPage_, &CheckPage::CaptionChanged, this, [this] {
        pageControl_->setTabText(pageControl_->indexOf(checkPage_), checkPage_->Caption());
    });

    auto* eszett = MakeButton(QStringLiteral("Button1"), QStringLiteral("\u00df"),
                              QRect(440, 0, 17, 20), client_);
    eszett->setEnabled(false);
    auto* save = MakeButton(QStringLiteral("SaveChanges"), UI_TEXT("Save Changes"),
                            QRect(456, 0, 91, 20), client_);
    auto* quit = MakeButton(QStringLiteral("QuitButton"), UI_TEXT("Quit"),
                            QRect(544, 0, 81, 20), client_);
    connect(save, &QPushButton::clicked, this, &TMainForm::SaveChangesClick);
    connect(quit, &QPushButton::clicked, this, &TMainForm::QuitButtonClick);
    eszett->raise();
    save->raise();
    quit->raise();
    setTabOrder(pageControl_, quit);
    setTabOrder(quit, save);

    BuildMenus(aboutPage);
    const int bar = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, 625, bar);
    client_->setGeometry(0, bar, 625, 548);
    resize(625, 548 + bar);
    CentreOnScreen(this);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The bar spans the window; the client area keeps its designed controls
    // where they are and only gains room.
    const int bar = menuBar_->height();
    menuBar_->setGeometry(0, 0, width(), bar);
    client_->setGeometry(0, bar, width(), qMax(548, height() - bar));
}

const rules::RulesDocument& TMainForm::Document() const { return editor_->Document(); }

void TMainForm::TellAboutVersions(const rules::SaveOutcome& outcome) {
    if (!outcome.kept && !versionProblemTold_) {
        versionProblemTold_ = true;
        ShowInformationBox(
            this, tr("%1.\nThe file is saved all the same, without keeping the one it replaces. "
                     "This is said once until the editor is started again.")
                      .arg(QString::fromStdString(outcome.kept.message)));
    }
    if (outcome.removedForRoom > 0 && !versionRoomTold_) {
        versionRoomTold_ = true;
        ShowInformationBox(
            this, tr("The earlier versions of %1 take more than %2 MB, so the oldest of them "
                     "were removed. This is said once until the editor is started again.")
                      .arg(QString::fromStdString(Document().TargetFileName()))
                      .arg(rules::VersionStore::kKeptBytes / (1024 * 1024)));
    }
}

bool TMainForm::HasUnsavedChanges() const { return editor_ && editor_->HasUnsavedChanges(); }

void TMainForm::closeEvent(QCloseEvent* event) {
    // A cell still being typed is an edit too: it counts before asking.
    if (editor_) editor_->CommitPendingEdits();
    if (!HasUnsavedChanges()) {
        event->accept();
        return;
    }
    const QString name = QString::fromStdString(Document().TargetFileName());
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(),
                    tr("Save changes to %1 before closing?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("SaveBeforeClosingBox"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        // A refused overwrite or a write error keeps the window open.
        if (SaveDocument()) {
            event->accept();
        } else {
            event->ignore();
        }
        return;
    case QMessageBox::Discard:
        event->accept();
        return;
    default:
        event->ignore();
    }
}

TMainForm::~TMainForm() {
    // The pages go first, while the tables and the editor they show still
    // exist: a cell editor still open commits its text as it closes.
    delete pageControl_;
    pageControl_ = nullptr;
    // The history refers to the document, which goes before the children do;
    // the history goes first, while the window can still take its signals.
    delete editor_;
    editor_ = nullptr;
}

void TMainForm::AttachDialogs(TLangueForm* langue, TWarningForm* warning, TRenameForm* rename) {
    langueForm_ = langue;
    warningForm_ = warning;
    unitsPage_->SetRenameForm(rename);
    advancesPage_->SetRenameForm(rename);
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && menuBar_) Retranslate();
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activationSeen_) {
        activationSeen_ = true;
        // Run once the activation itself is done: the sequence opens modal
        // dialogs and may close this window.
        QMetaObject::invokeMethod(this, &TMainForm::FormActivate, Qt::QueuedConnection);
    }
}

void TMainForm::FormActivate() {
    if (startupRan_ || !langueForm_ || !warningForm_) return;
    startupRan_ = true;
    StartupSequence(*this, *editor_, *langueForm_, *warningForm_,
                    [this](const QString& name) { ShowNoRulesFile(name); }, rulesFile_)
        .Run();
}

void TMainForm::GoToRecord(rules::SectionId section, int number) {
    if (section == rules::SectionId::Cosmic) {
        pageControl_->setCurrentWidget(cosmicPage_);
        if (number >= 1 && number <= rules::kCosmicCount) {
            QLineEdit* field = cosmicPage_->Field(number - 1);
            field->setFocus();
            field->selectAll();
        }
        return;
    }
    RecordPage* page = section == rules::SectionId::Units ? static_cast<RecordPage*>(unitsPage_)
                                                          : static_cast<RecordPage*>(advancesPage_);
    if (number > 0) page->ShowOnNextEntry(number);
    if (pageControl_->currentWidget() == page) {
        page->Enter();
    } else {
        pageControl_->setCurrentWidget(page);  // PageControlChange enters it
    }
}

void TMainForm::GoToCell(const rules::CellRef& cell) {
    pageControl_->setCurrentWidget(tablePage_);  // PageControlChange enters it
    tablePage_->ShowCell(cell);
}

void TMainForm::ShowNoRulesFile(const QString& fileName) {
    // The notice lies over the pages' controls: they are made first.
    BuildPages();
    CoverWithNoRulesNotice({cosmicPage_, unitsPage_, advancesPage_}, fileName);
}

void TMainForm::BuildPages() {
    cosmicPage_->EnsureBuilt();
    unitsPage_->EnsureBuilt();
    advancesPage_->EnsureBuilt();
    checkPage_->EnsureBuilt();
}

bool TMainForm::SaveDocument() {
    editor_->CommitPendingEdits();
    if (!Document().Parsed()) {
        ShowInformationBox(
            this, QString::fromUtf8(rules::RulesDocument::kNothingToSave) + QLatin1Char('.'));
        return false;
    }
    // The game or another editor may have rewritten the file since it was
    // read; overwriting that silently would lose their work.
    if (Document().ChangedOnDisk() &&
        !ConfirmOverwriteOutsideChanges(
            this, QString::fromStdString(Document().TargetFileName()))) {
        return false;
    }
    const rules::SaveOutcome outcome = editor_->Save();
    if (!outcome.saved) {
        ShowErrorBox(this, QString::fromStdString(outcome.saved.message));
        return false;
    }
    TellAboutVersions(outcome);
    return true;
}

void TMainForm::QuitButtonClick() {
    editor_->CommitPendingEdits();
    // With unsaved changes, closing asks whether to save them instead.
    if (HasUnsavedChanges()) {
        close();
        return;
    }
    QMessageBox box(QMessageBox::Information, tr("Information"),
                    tr("Do you really want to quit ?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("QuitBox"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    if (box.exec() == QMessageBox::Yes) close();
}

void TMainForm::PageControlChange(int index) {
    // A cell left open on the page just left is handed in, not lost.
    editor_->CommitPendingEdits();
    QWidget* page = pageControl_->widget(index);
    if (page == unitsPage_) {
        unitsPage_->Enter();
    } else if (page == advancesPage_) {
        advancesPage_->Enter();
    } else if (page == treePage_) {
        // The advance clicked in the tree stays highlighted until the
        // Advances page has shown it.
        const int chosen = advancesPage_->NextEntry();
        treePage_->Enter(chosen ? chosen : advancesPage_->CurrentIndex());
    } else if (page == tablePage_) {
        tablePage_->Enter();
    }
}

}  // namespace ui
