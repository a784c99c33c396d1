#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

#include "rules/check/check_state.h"
#include "rules/check/problem.h"
#include "rules/check/quick_fixes.h"
#include "ui/widgets/made_when_shown.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {

class DocumentEditor;

// The problems of the tables as they are now, errors first, each with its
// severity icon, its record and its sentence; what only follows from a
// problem is folded under it. A double-click or Enter on a problem asks for
// its record to be shown; a right-click (or Ctrl+.) offers to show its line
// in the file, its fixes, and to hide warnings of its kind, which the editor remembers. It checks the
// document itself whenever the document changes, and makes a chosen fix one
// step of the editor's history.
class CheckPage : public MadeWhenShown<QWidget> {
    Q_OBJECT
public:
    explicit CheckPage(DocumentEditor& editor, QWidget* parent = nullptr);

    void ShowProblems(const rules::Problems& problems);
    const rules::Problems& Problems() const { return problems_; }
    // "Check (3)", or "Check" when nothing is shown; notes and hidden
    // warnings are not counted.
    QString Caption() const;
    // Makes the fix's edits one step, then asks for its record to be shown.
    void ApplyFix(const rules::QuickFix& fix);

    // The kinds of warnings the user hid; remembered between runs.
    const QStringList& HiddenKinds() const { return hidden_; }
    void HideKind(const QString& check);
    void ShowHiddenKinds();

signals:
    // The user asked for the record of this problem (see rules::Problem),
    // or a fix was made to it.
    void ProblemActivated(rules::SectionId section, int record, int line);
    // A problem of another section's cell was activated.
    void CellActivated(const rules::CellRef& cell);
    // The user asked to see the problem's line in the file (its record's
    // line when it is tied to none).
    void ShowInSource(rules::SectionId section, int record, int line);
    // What is shown changed, and with it the caption.
    void CaptionChanged();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The list is made when the page is first shown or asked for; the
    // check itself runs from the start, for the caption.
    void Build() override;

private:
    void FitToPage();
    void Recheck();
    // Counts what is shown for the caption, and refills the list once built.
    void Rebuild();
    void FillList(int hiddenCount);
    void ShowNote(const QString& text);
    void Activate(QTreeWidgetItem* item);
    void ShowMenu(QTreeWidgetItem* item, const QPoint& globalPos);
    const rules::Problem* ProblemOf(const QTreeWidgetItem* item) const;
    bool Hidden(const rules::Problem& problem) const;

    QTreeWidget* list_ = nullptr;
    QLabel* hiddenLabel_ = nullptr;
    QPushButton* showHidden_ = nullptr;
    rules::CheckState state_;
    rules::Problems problems_;
    QStringList hidden_;
    int shown_ = 0;
    DocumentEditor& editor_;
    bool checked_ = false;  // a check ran; until then the list says nothing was loaded
};

}  // namespace ui
