#pragma once

#include <QWidget>
#include <string>
#include <utility>

#include "rules/document/rules_document.h"
#include "rules/sections/cell_ref.h"
#include "rules/versions/keeping_save.h"

class QAction;
class QMenu;
class QMenuBar;
class QTabWidget;

namespace ui {

class AdvancesPage;
class CheckPage;
class CosmicPage;
class ManualWindow;
class DocumentEditor;
class TLangueForm;
class TRenameForm;
class TWarningForm;
class TablePage;
class TreePage;
class UnitsPage;

// The editor's one working window: a menu bar above the designed client
// area, which holds the Cosmic, Units, Advances and About pages, the Check,
// Tree, Table and Source pages after them, and the Save Changes and Quit commands. Its first
// activation runs the start-up sequence that loads the rules file. The title
// marks unsaved changes, and closing with unsaved changes asks first.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The dialogs are created after this window; they are attached once they exist.
    void AttachDialogs(TLangueForm* langue, TWarningForm* warning, TRenameForm* rename);

    // The rules file named on the command line: loaded and saved instead of
    // the one the settings file or the language dialog would pick.
    void SetRulesFile(std::string name) { rulesFile_ = std::move(name); }
    // Runs the start-up sequence; only the first call does anything.
    void FormActivate();
    // Writes the changed lines into the rules file that was loaded.
    void SaveChangesClick() { SaveDocument(); }
    // The same; true when the file holds the tables afterwards.
    bool SaveDocument();
    // Without unsaved changes asks "Do you really want to quit ?" and closes
    // the window on Yes; with unsaved changes closing asks its own question.
    void QuitButtonClick();
    // A page came to the front: entering Units or Advances shows its first record.
    void PageControlChange(int index);

    // The start-up ended without a rules file: the editing pages say which
    // folder was searched for which file, rather than show their controls'
    // initial texts as if they were data.
    void ShowNoRulesFile(const QString& fileName);

    // Brings the page of a section to the front showing record `number`
    // (advances, units), selected in its list as a click there would, or
    // the field of cosmic value `number` (1 to 21). Number 0 brings the page
    // to the front as the user's own switch does.
    void GoToRecord(rules::SectionId section, int number);
    // Brings the Table page to the front with this cell of another section
    // current: the one page those sections are shown on.
    void GoToCell(const rules::CellRef& cell);
    // The one path by which the tables change: every edit is a step on its
    // undo stack.
    DocumentEditor& Editor() { return *editor_; }
    const rules::RulesDocument& Document() const;
    bool StartupRan() const { return startupRan_; }

    // Whether the tables differ from what was last loaded or saved.
    bool HasUnsavedChanges() const;
    // File -> Earlier Versions...: the versions kept of the loaded file.
    void EarlierVersionsClick();
    // File -> Compare With...: asks for another rules file and shows what
    // differs between it and the tables, beside the window.
    void CompareWithClick();
    QAction* CompareWithAction() const { return compareWith_; }
    // File -> Merge...: asks for a base file and their file and brings
    // their changes onto the tables, listing what both changed.
    void MergeClick();
    // The pages make their controls when first shown; this makes them all
    // now, as visiting every page would.
    void BuildPages();
    // The designed client area below the menu bar: 625 by 548 pixels.
    QWidget* ClientArea() const { return client_; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenus(QWidget* aboutPage);
    // View > Language: the editor's languages, the one in use checked.
    void AddLanguageMenu(QMenu* view);
    // The window's title, hint and page tabs in the language now loaded.
    void TitleWindowAndPages();
    // Shows the window's own captions (title, page tabs, menus) in the
    // language now loaded; the pages and dialogs follow by themselves.
    void Retranslate();
    // Says once per session why the version a save replaced was not kept,
    // or that old versions went to make room.
    void TellAboutVersions(const rules::SaveOutcome& outcome);
    // Fills the View menu from the page control, whatever pages it holds.
    void FillViewMenu();
    void ShowKeyboardShortcuts();
    // Help > Manual (F1), on the chapter of the page in front.
    void ShowManual();

    DocumentEditor* editor_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QAction* earlierVersions_ = nullptr;
    QAction* compareWith_ = nullptr;
    QWidget* client_ = nullptr;
    QTabWidget* pageControl_ = nullptr;
    QWidget* aboutPage_ = nullptr;
    ManualWindow* manual_ = nullptr;
    CosmicPage* cosmicPage_ = nullptr;
    UnitsPage* unitsPage_ = nullptr;
    AdvancesPage* advancesPage_ = nullptr;
    CheckPage* checkPage_ = nullptr;
    TreePage* treePage_ = nullptr;
    TablePage* tablePage_ = nullptr;
    TLangueForm* langueForm_ = nullptr;
    TWarningForm* warningForm_ = nullptr;
    bool activationSeen_ = false;
    bool versionProblemTold_ = false;
    bool versionRoomTold_ = false;
    bool startupRan_ = false;
    std::string rulesFile_;
};

}  // namespace ui
