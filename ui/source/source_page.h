#pragma once

#include <QWidget>

#include "rules/document/findings.h"
#include "rules/sections/cell_ref.h"
#include "rules/source/line_marks.h"
#include "rules/source/text_finder.h"
#include "rules/source/written_lines.h"
#include "ui/widgets/made_when_shown.h"

class QLabel;
class QLineEdit;

namespace ui {

class CheckPage;

class DocumentEditor;
class SourceView;

// The whole file as the game reads it and as Save Changes would write it,
// read-only: every line, the ones the forms never show included, with the
// three sections' records named, the check's problems and the unsaved edits
// marked on their lines. It follows every edit, undo and save at once while
// it is in front, and catches up when it comes to the front again. Enter or
// a double-click on a record's line asks for the record; Ctrl+F finds text,
// Ctrl+L goes to a line.
//
// Nothing of it is built before the page is first shown: the editor starts
// as fast without it.
class SourcePage : public MadeWhenShown<QWidget> {
    Q_OBJECT
public:
    // The problems it marks are those `check` found: the check runs once
    // per change, for both pages.
    SourcePage(DocumentEditor& editor, const CheckPage& check, QWidget* parent = nullptr);

    // Makes the 0-based line current and brings it into view.
    void ShowLine(int line);
    // Shows a problem of the check: its line, or its record's line.
    void ShowProblem(rules::SectionId section, int record, int line);
    // Shows the record's line (an undo or redo changed it).
    void ShowRecord(rules::SectionId section, int record);

    // The user's commands, also for tests and benchmarks: a new text to
    // find (the first match from the current line on is shown), the next or
    // previous match, a 1-based line to go to.
    void Find(const QString& text);
    void FindNext(bool backwards);
    void GoToLine(int number);

    SourceView* View() const { return view_; }
    const rules::WrittenLines& Lines() const { return lines_; }
    const rules::LineMarks& Marks() const { return marks_; }

signals:
    // The user asked for the record of a line.
    void RecordActivated(rules::SectionId section, int record);
    // The same for a row of another section: its first cell.
    void CellActivated(const rules::CellRef& cell);

protected:
    void Build() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Takes the document anew when the page is built and in front;
    // otherwise remembers to when it comes to the front.
    void DocumentChanged(bool wholeFile);
    void TakeDocument();
    void CountMatches();
    void ActivateLine(int line);

    DocumentEditor& editor_;
    const CheckPage& check_;
    rules::WrittenLines lines_;
    rules::LineMarks marks_;
    rules::TextFinder finder_;
    SourceView* view_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLabel* matches_ = nullptr;
    QLineEdit* goTo_ = nullptr;
    bool stale_ = true;
    bool wholeFileStale_ = true;
};

}  // namespace ui
