#pragma once

#include <QColor>
#include <QString>
#include <cstddef>
#include <string_view>
#include <vector>

#include "rules/source/line_pieces.h"
#include "rules/source/text_finder.h"

class QFontMetrics;
class QPainter;

namespace ui {

// Tabs stop every eight columns, as in a terminal.
constexpr int kTabWidth = 8;
// Columns a line takes when shown, its tabs expanded.
int ColumnCount(std::string_view line);
// The column at which byte `byte` of the line is shown.
int ColumnOf(std::string_view line, std::size_t byte);

// The colours of the Source page, one per kind of text and mark.
QColor PieceColour(rules::PieceKind kind);
namespace source_colours {
inline const QColor kCurrentLine{0xee, 0xf3, 0xfb};
inline const QColor kMatch{0xff, 0xf0, 0x9a};
inline const QColor kCurrentMatch{0xff, 0xb8, 0x4d};
inline const QColor kUnsaved{0xe8, 0x91, 0x2d};
inline const QColor kError{0xd3, 0x2f, 0x2f};
inline const QColor kWarning{0xd9, 0x9a, 0x00};
inline const QColor kAnnotation{0x9a, 0x9a, 0x9a};
inline const QColor kGutter{0xf4, 0xf4, 0xf4};
inline const QColor kLineNumber{0x9a, 0x9a, 0x9a};
// The thin bar beside a line of each of the three sections.
inline const QColor kCosmic{0x9b, 0x6c, 0xc8};
inline const QColor kAdvances{0x3f, 0x8f, 0xd2};
inline const QColor kUnits{0x3f, 0xae, 0x6a};
}  // namespace source_colours

// What one line shows besides its text.
struct LineDecor {
    bool current = false;
    // An advance's line: the value after ";" is its abbreviation, no remark.
    bool advanceLine = false;
    // The colour of the wavy line under the text of a line with problems;
    // invalid for none.
    QColor underline;
    // The record the line holds, shown after its text.
    QString annotation;
    // Where the match on show starts on this line, or npos.
    std::size_t currentMatch = rules::TextFinder::npos;
};

// Paints the visible part of lines of text: each piece in its colour, the
// matches of the text searched for, the underline of a line with problems
// and the annotation of a record's line. Only the columns in view are
// looked at (and, on a line with tabs, the bytes before them), so a line of
// any length costs what the view shows.
class SourceTextPainter {
public:
    SourceTextPainter(QPainter& painter, const QFontMetrics& metrics, int left, int firstColumn,
                      int columns, const rules::TextFinder* finder);

    void PaintLine(int top, int height, std::string_view line, const LineDecor& decor);

private:
    // Fills the cells of the columns in view from the line's bytes.
    void TakeCells(std::string_view line, bool advanceLine);
    void DrawCells(int from, int to, int baseline);
    void PaintMatches(int top, int height, std::string_view line, std::size_t currentMatch);
    void PaintUnderline(int baseline, std::string_view line, const QColor& colour);
    qreal X(int cell) const { return left_ + cell * charWidth_; }

    QPainter& painter_;
    qreal charWidth_;
    int ascent_;
    int left_;
    int firstColumn_;
    int columns_;
    const rules::TextFinder* finder_;
    std::vector<rules::LinePiece> pieces_;
    QString cells_;                       // one character per column in view
    std::vector<std::size_t> byteOfCell_;  // the byte each cell shows
    std::vector<rules::PieceKind> kindOfCell_;
};

}  // namespace ui
