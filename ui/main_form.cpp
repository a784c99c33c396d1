#include "ui/main_form.h"

#include <QDir>
#include <QFileInfo>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "rules/check/rules_check.h"
#include "ui/edit/document_editor.h"
#include "ui/pages/about_page.h"
#include "ui/pages/advances_page.h"
#include "ui/pages/check_page.h"
#include "ui/pages/cosmic_page.h"
#include "ui/widgets/fonts.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/startup_sequence.h"
#include "ui/table/table_page.h"
#include "ui/tree/tree_page.h"
#include "ui/page_room.h"
#include "ui/pages/units_page.h"
#include "ui/widgets/outline_list.h"
#include "ui/widgets/text_codec.h"
#include "ui/widgets/widget_helpers.h"
#include "ui/window_placement.h"

namespace ui {

TMainForm::TMainForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(QStringLiteral("Ovantra Rules File Editor 1.01"));
    setFont(SansFont());
    // Controls without a hint of their own show this one: tool-tip events
    // travel up to the nearest widget that has a hint.
    setToolTip(QStringLiteral("Right-click for help"));
    resize(625, 548);
    editor_ = new DocumentEditor(document_, this);

    // No layouts: the controls keep their places and sizes whatever the
    // window's size.
    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl"));
    pageControl_->setGeometry(0, 0, 625, 545);
    pageControl_->setUsesScrollButtons(false);

    cosmicPage_ = new CosmicPage();
    cosmicPage_->setObjectName(QStringLiteral("Cosmic"));
    unitsPage_ = new UnitsPage(document_);
    unitsPage_->setObjectName(QStringLiteral("Units"));
    advancesPage_ = new AdvancesPage(document_);
    advancesPage_->setObjectName(QStringLiteral("TabSheet1"));
    auto* aboutPage = new AboutPage();
    aboutPage->setObjectName(QStringLiteral("TabSheet2"));
    pageControl_->addTab(cosmicPage_, QStringLiteral("Cosmic"));
    pageControl_->addTab(unitsPage_, QStringLiteral("Units"));
    pageControl_->addTab(advancesPage_, QStringLiteral("Advances"));
    pageControl_->addTab(aboutPage, QStringLiteral("About"));
    checkPage_ = new CheckPage();
    checkPage_->setObjectName(QStringLiteral("Check"));
    pageControl_->addTab(checkPage_, checkPage_->Caption());
    treePage_ = new TreePage(document_);
    treePage_->setObjectName(QStringLiteral("Tree"));
    pageControl_->addTab(treePage_, QStringLiteral("Tree"));
    // Built when first shown: start-up does not wait for it.
    tablePage_ = new TablePage(*editor_);
    tablePage_->setObjectName(QStringLiteral("Table"));
    pageControl_->addTab(tablePage_, QStringLiteral("Table"));
    // An advance clicked in the tree is the one the Advances page shows next.
    connect(treePage_, &TreePage::AdvanceChosen, advancesPage_, &RecordPage::ShowOnNextEntry);
    connect(treePage_, &TreePage::ShowOnAdvancesPage, this,
            [this](int number) { GoToRecord(rules::SectionId::Advances, number); });
    treePage_->SetEditor(editor_);
    // The list and drawing pages use the room of an enlarged window.
    MarkRoomy(checkPage_);
    MarkRoomy(treePage_);
    MarkRoomy(tablePage_);
    pageControl_->setCurrentWidget(aboutPage);
    // Made first, so that a page has its room before it is entered (and the
    // tree fitted into it).
    new PageRoom(this, pageControl_);
    // Connected after the About page was put in front: opening is no page switch.
    connect(pageControl_, &QTabWidget::currentChanged, this, &TMainForm::PageControlChange);

    // Every edit, wherever it is made, is checked at once.
    connect(cosmicPage_, &CosmicPage::ValueEdited, this, &TMainForm::CheckRules);
    connect(unitsPage_, &RecordPage::RecordChanged, this, &TMainForm::CheckRules);
    connect(advancesPage_, &RecordPage::RecordChanged, this, &TMainForm::CheckRules);
    // A record renamed through the editor (a table cell, a paste, an undo)
    // keeps its name in its page's list.
    connect(editor_, &DocumentEditor::FieldsChanged, this,
            [this](rules::SectionId section, const QList<int>& records) {
                RecordPage* page = nullptr;
                if (section == rules::SectionId::Units) page = unitsPage_;
                if (section == rules::SectionId::Advances) page = advancesPage_;
                if (!page || !page->Outline()) return;
                for (int record : records)
                    page->Outline()->SetItemText(
                        record, ToDisplay(rules::RecordName(document_, section, record)));
            });
    connect(checkPage_, &CheckPage::ProblemActivated, this,
            [this](rules::SectionId section, int record, int) { GoToRecord(section, record); });
    checkPage_->SetFixSource(
        [this](const rules::Problem& problem) { return rules::QuickFixes(document_, problem); });
    connect(checkPage_, &CheckPage::FixChosen, this, &TMainForm::ApplyFix);
    connect(checkPage_, &CheckPage::CaptionChanged, this, [this] {
        pageControl_->setTabText(pageControl_->indexOf(checkPage_), checkPage_->Caption());
    });
    // A step done, undone or redone: the cosmic fields hold their values
    // until saving, so they take the tables' first; then the check follows,
    // and an undo or redo shows the record it changed.
    connect(editor_, &DocumentEditor::FieldsChanged, this,
            [this](rules::SectionId section, const QList<int>&) {
                if (section == rules::SectionId::Cosmic) cosmicPage_->ShowValues(document_.Cosmic());
                CheckRules();
            });
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
        GoToRecord(ref.section, ref.record);
    });

    auto* eszett = MakeButton(QStringLiteral("Button1"), QStringLiteral("\u00df"),
                              QRect(440, 0, 17, 20), this);
    eszett->setEnabled(false);
    auto* save = MakeButton(QStringLiteral("SaveChanges"), QStringLiteral("Save Changes"),
                            QRect(456, 0, 91, 20), this);
    auto* quit = MakeButton(QStringLiteral("QuitButton"), QStringLiteral("Quit"),
                            QRect(544, 0, 81, 20), this);
    connect(save, &QPushButton::clicked, this, &TMainForm::SaveChangesClick);
    connect(quit, &QPushButton::clicked, this, &TMainForm::QuitButtonClick);
    eszett->raise();
    save->raise();
    quit->raise();
    setTabOrder(pageControl_, quit);
    setTabOrder(quit, save);

    CentreOnScreen(this);
}

TMainForm::~TMainForm() {
    // The pages go first, while the tables and the editor they show still
    // exist: a cell editor still open commits its text as it closes.
    delete pageControl_;
}

void TMainForm::AttachDialogs(TLangueForm* langue, TWarningForm* warning, TRenameForm* rename) {
    langueForm_ = langue;
    warningForm_ = warning;
    unitsPage_->SetRenameForm(rename);
    advancesPage_->SetRenameForm(rename);
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
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
    StartupSequence(*this, *langueForm_, *warningForm_, rulesFile_).Run();
}

void TMainForm::ShowDocument() {
    cosmicPage_->ShowValues(document_.Cosmic());
    advancesPage_->Populate();
    unitsPage_->Populate();
    CheckRules();
    // In front before the file was read, the tree page drew an empty tree.
    if (pageControl_->currentWidget() == treePage_) PageControlChange(pageControl_->currentIndex());
}

void TMainForm::CheckRules() {
    // The cosmic values live in their fields until saving; the check reads
    // them from the section, which saving fills from the fields anyway.
    cosmicPage_->StoreValues(document_.Cosmic());
    checkPage_->ShowProblems(rules::CheckRules(document_));
    pageControl_->setTabText(pageControl_->indexOf(checkPage_), checkPage_->Caption());
}

void TMainForm::ApplyFix(const rules::QuickFix& fix) {
    std::vector<FieldEdit> edits;
    for (const auto& [ref, value] : fix.edits) edits.push_back({ref, value});
    if (!edits.empty()) editor_->SetFields(std::move(edits), QString::fromStdString(fix.title));
    GoToRecord(fix.section, fix.record);
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

void TMainForm::ShowNoRulesFile(const QString& fileName) {
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
    for (QWidget* page : {static_cast<QWidget*>(cosmicPage_), static_cast<QWidget*>(unitsPage_),
                          static_cast<QWidget*>(advancesPage_)}) {
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

void TMainForm::SaveChangesClick() {
    if (!document_.Parsed()) {
        ShowInformationBox(
            this, QString::fromUtf8(rules::RulesDocument::kNothingToSave) + QLatin1Char('.'));
        return;
    }
    // The game or another editor may have rewritten the file since it was
    // read; overwriting that silently would lose their work.
    if (document_.ChangedOnDisk() &&
        !ConfirmOverwriteOutsideChanges(
            this, QString::fromStdString(document_.TargetFileName()))) {
        return;
    }
    cosmicPage_->StoreValues(document_.Cosmic());
    const rules::Status status = document_.Save();
    if (!status) ShowErrorBox(this, QString::fromStdString(status.message));
    // What was saved is now what the table compares with.
    if (tablePage_->Built()) tablePage_->Enter();
}

void TMainForm::QuitButtonClick() {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                    QStringLiteral("Do you really want to quit ?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("QuitBox"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    if (box.exec() == QMessageBox::Yes) close();
}

void TMainForm::PageControlChange(int index) {
    const QString caption = pageControl_->tabText(index);
    if (caption == QLatin1String("Units")) {
        unitsPage_->Enter();
    } else if (caption == QLatin1String("Advances")) {
        advancesPage_->Enter();
    } else if (caption == QLatin1String("Tree")) {
        // The advance clicked in the tree stays highlighted until the
        // Advances page has shown it.
        const int chosen = advancesPage_->NextEntry();
        treePage_->Enter(chosen ? chosen : advancesPage_->CurrentIndex());
    } else if (caption == QLatin1String("Table")) {
        tablePage_->Enter();
    }
}

}  // namespace ui
