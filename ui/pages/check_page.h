#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "rules/check/problem.h"
#include "rules/check/quick_fixes.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {

// The problems of the tables as they are now, errors first, each with its
// severity icon, its record and its sentence; what only follows from a
// problem is folded under it. A double-click or Enter on a problem asks for
// its record to be shown; a right-click (or Ctrl+.) offers its fixes and
// hides warnings of its kind, which the editor remembers.
class CheckPage : public QWidget {
    Q_OBJECT
public:
    using FixSource = std::function<std::vector<rules::QuickFix>(const rules::Problem&)>;

    explicit CheckPage(QWidget* parent = nullptr);

    void ShowProblems(rules::Problems problems);
    const rules::Problems& Problems() const { return problems_; }
    // "Check (3)", or "Check" when nothing is shown; notes and hidden
    // warnings are not counted.
    QString Caption() const;
    // Where the fixes of a problem come from (the window, which knows the
    // tables).
    void SetFixSource(FixSource source) { fixSource_ = std::move(source); }

    // The kinds of warnings the user hid; remembered between runs.
    const QStringList& HiddenKinds() const { return hidden_; }
    void HideKind(const QString& check);
    void ShowHiddenKinds();

signals:
    // The user asked for the record of this problem (see rules::Problem).
    void ProblemActivated(rules::SectionId section, int record, int line);
    // The user chose this fix.
    void FixChosen(const rules::QuickFix& fix);
    // What is shown changed, and with it the caption.
    void CaptionChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Rebuild();
    void ShowNote(const QString& text);
    void Activate(QTreeWidgetItem* item);
    void ShowMenu(QTreeWidgetItem* item, const QPoint& globalPos);
    const rules::Problem* ProblemOf(const QTreeWidgetItem* item) const;
    bool Hidden(const rules::Problem& problem) const;

    QTreeWidget* list_ = nullptr;
    QLabel* hiddenLabel_ = nullptr;
    QPushButton* showHidden_ = nullptr;
    rules::Problems problems_;
    QStringList hidden_;
    int shown_ = 0;
    FixSource fixSource_;
    bool checked_ = false;  // a check ran; until then the list says nothing was loaded
};

}  // namespace ui
