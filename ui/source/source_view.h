#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QIcon>

#include "rules/source/text_finder.h"

namespace rules {
class LineMarks;
class RulesDocument;
class WrittenLines;
}  // namespace rules

namespace ui {

// The whole file as a save would write it, read-only, drawn line by line
// from the document's own line store: only the lines in view are ever
// looked at, so a file of any size scrolls as fast as a small one. Beside
// each line its number and its marks: a bar for an edit not yet saved, the
// problems of the check (an icon, and a wavy line under the text), a thin
// bar for a line of the cosmic values, advances or units, whose record is
// named after the text. The tool tip of a line says what its marks mean.
// A current line, moved by the keys and the mouse as in a text editor;
// Enter or a double-click asks for the line's record.
class SourceView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit SourceView(QWidget* parent = nullptr);

    // What the view shows; the page owns them and calls ContentChanged
    // whenever it has taken them anew.
    void SetContent(const rules::RulesDocument& document, const rules::WrittenLines& lines,
                    const rules::LineMarks& marks);
    // The lines changed: the scroll ranges follow. `allLines` measures
    // every line's width again (a file loaded or replaced); otherwise only
    // the unsaved lines can have grown.
    void ContentChanged(bool allLines);

    int CurrentLine() const { return current_; }
    // Makes the line current and brings it into view, in the middle of the
    // view when it was out of it.
    void SetCurrentLine(int line);
    // The text searched for, whose matches are marked (nothing: none).
    void SetFinder(const rules::TextFinder* finder);
    // The match on show: made current and brought into view.
    void ShowMatch(const rules::TextPlace& place);
    const rules::TextPlace& Match() const { return match_; }

    int FirstVisibleLine() const;
    int VisibleLineCount() const;
    int FirstVisibleColumn() const;
    // The line under a point of the viewport, or -1.
    int LineAt(const QPoint& point) const;
    // What the tool tip of a line says.
    QString LineToolTip(int line) const;
    // The line as it is shown (Windows-1252 decoded).
    QString LineText(int line) const;

signals:
    // Enter or a double-click on a line.
    void LineActivated(int line);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateScrollRanges();
    void PaintGutter(QPainter& painter, int line, int top) const;
    void MakeColumnVisible(int column, int width);
    int LineCount() const;
    int LineHeight() const { return lineHeight_; }
    int GutterWidth() const;

    const rules::RulesDocument* document_ = nullptr;
    const rules::WrittenLines* lines_ = nullptr;
    const rules::LineMarks* marks_ = nullptr;
    const rules::TextFinder* finder_ = nullptr;
    rules::TextPlace match_;
    int current_ = 0;
    bool centring_ = false;
    int widestLine_ = 0;  // in columns
    int lineHeight_ = 1;
    int charWidth_ = 1;
    QIcon errorIcon_;
    QIcon warningIcon_;
};

}  // namespace ui
