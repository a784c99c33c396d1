#pragma once

#include <QWidget>
#include <string>
#include <utility>

#include "rules/check/quick_fixes.h"
#include "rules/document/rules_document.h"

class QTabWidget;

namespace ui {

class AdvancesPage;
class CheckPage;
class CosmicPage;
class DocumentEditor;
class TLangueForm;
class TRenameForm;
class TWarningForm;
class TablePage;
class TreePage;
class UnitsPage;

// The editor's one working window: the Cosmic, Units, Advances and About
// pages, the Check, Tree and Table pages after them, and the Save Changes and Quit
// commands. Its first activation runs the
// start-up sequence that loads the rules file.
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
    // Renders the three sections and writes the rules file that was loaded.
    void SaveChangesClick();
    // Asks "Do you really want to quit ?" and closes the window on Yes.
    void QuitButtonClick();
    // A page came to the front: entering Units or Advances shows its first record.
    void PageControlChange(int index);

    // Fills the pages from the document once its sections were read.
    void ShowDocument();
    // The start-up ended without a rules file: the editing pages say which
    // folder was searched for which file, rather than show their controls'
    // initial texts as if they were data.
    void ShowNoRulesFile(const QString& fileName);

    // Brings the page of a section to the front showing record `number`
    // (advances, units), selected in its list as a click there would, or
    // the field of cosmic value `number` (1 to 21). Number 0 brings the page
    // to the front as the user's own switch does.
    void GoToRecord(rules::SectionId section, int number);
    // Checks the tables as they are now and shows what was found on the
    // Check page and in its tab caption.
    void CheckRules();
    // Makes the fix's edits one undoable step, then shows its record.
    void ApplyFix(const rules::QuickFix& fix);

    // The one path by which the tables change: every edit is a step on its
    // undo stack.
    DocumentEditor& Editor() { return *editor_; }
    rules::RulesDocument& Document() { return document_; }
    const rules::RulesDocument& Document() const { return document_; }
    bool StartupRan() const { return startupRan_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    rules::RulesDocument document_;
    DocumentEditor* editor_ = nullptr;
    QTabWidget* pageControl_ = nullptr;
    CosmicPage* cosmicPage_ = nullptr;
    UnitsPage* unitsPage_ = nullptr;
    AdvancesPage* advancesPage_ = nullptr;
    CheckPage* checkPage_ = nullptr;
    TreePage* treePage_ = nullptr;
    TablePage* tablePage_ = nullptr;
    TLangueForm* langueForm_ = nullptr;
    TWarningForm* warningForm_ = nullptr;
    bool activationSeen_ = false;
    bool startupRan_ = false;
    std::string rulesFile_;
};

}  // namespace ui
