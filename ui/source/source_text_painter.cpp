#include "ui/source/source_text_painter.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cstring>

#include "ui/codec/text_codec.h"

namespace ui {

namespace {

bool HasTabs(std::string_view line) {
    return !line.empty() && std::memchr(line.data(), '\t', line.size()) != nullptr;
}

// What each byte shows as: its Windows-1252 character; a control byte as
// its picture, so that nothing in the file is invisible; the five bytes
// without a character as the replacement mark.
const std::array<QChar, 256>& Glyphs() {
    static const std::array<QChar, 256> glyphs = [] {
        std::array<QChar, 256> g{};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            QChar c = ToDisplay(std::string_view(&byte, 1)).at(0);
            if (b < 0x20) c = QChar(0x2400 + b);
            else if (b == 0x7f) c = QChar(0x2421);
            else if (c.unicode() >= 0x80 && c.unicode() < 0xa0) c = QChar(0xfffd);
            g[static_cast<std::size_t>(b)] = c;
        }
        return g;
    }();
    return glyphs;
}

}  // namespace

int ColumnCount(std::string_view line) {
    if (!HasTabs(line)) return static_cast<int>(line.size());
    return ColumnOf(line, line.size());
}

int ColumnOf(std::string_view line, std::size_t byte) {
    byte = std::min(byte, line.size());
    if (!HasTabs(line.substr(0, byte))) return static_cast<int>(byte);
    int column = 0;
    for (std::size_t i = 0; i < byte; ++i)
        column += line[i] == '\t' ? kTabWidth - column % kTabWidth : 1;
    return column;
}

QColor PieceColour(rules::PieceKind kind) {
    switch (kind) {
        case rules::PieceKind::Header: return {0x7a, 0x1f, 0xa2};
        case rules::PieceKind::Comment: return {0x3c, 0x7a, 0x3a};
        case rules::PieceKind::Number: return {0x1a, 0x5f, 0xb4};
        case rules::PieceKind::Text: return {0x20, 0x20, 0x20};
        case rules::PieceKind::Separator: return {0x8a, 0x8a, 0x8a};
    }
    return Qt::black;
}

SourceTextPainter::SourceTextPainter(QPainter& painter, const QFontMetrics& metrics, int left,
                                     int firstColumn, int columns, const rules::TextFinder* finder)
    : painter_(painter),
      // The grid is the face's own advance, fractions kept, so that a run of
      // ASCII drawn in one go stays on it however long the line.
      charWidth_(std::max(1.0, QFontMetricsF(painter.font()).horizontalAdvance(QLatin1Char('M')))),
      ascent_(metrics.ascent()),
      left_(left),
      firstColumn_(firstColumn),
      columns_(columns),
      finder_(finder && !finder->Empty() ? finder : nullptr) {}

void SourceTextPainter::TakeCells(std::string_view line, bool advanceLine) {
    cells_.clear();
    byteOfCell_.clear();
    kindOfCell_.clear();
    rules::SplitLine(line, advanceLine, pieces_);
    const auto& glyphs = Glyphs();
    const int first = firstColumn_;
    const int end = firstColumn_ + columns_;
    // Without tabs a column is a byte: the walk starts at the first in view.
    std::size_t byte = HasTabs(line) ? 0 : std::min<std::size_t>(static_cast<std::size_t>(first), line.size());
    int column = static_cast<int>(byte);
    std::size_t piece = 0;
    while (byte < line.size() && column < end) {
        while (piece + 1 < pieces_.size() && pieces_[piece].end <= byte) ++piece;
        const char c = line[byte];
        const int width = c == '\t' ? kTabWidth - column % kTabWidth : 1;
        for (int w = 0; w < width; ++w) {
            const int at = column + w;
            if (at < first || at >= end) continue;
            cells_ += c == '\t' ? QChar(QLatin1Char(' ')) : glyphs[static_cast<unsigned char>(c)];
            byteOfCell_.push_back(byte);
            kindOfCell_.push_back(pieces_[piece].kind);
        }
        column += width;
        ++byte;
    }
}

void SourceTextPainter::PaintLine(int top, int height, std::string_view line, const LineDecor& decor) {
    if (decor.current)
        painter_.fillRect(QRectF(left_, top, (columns_ + 1) * charWidth_, height),
                          source_colours::kCurrentLine);
    TakeCells(line, decor.advanceLine);
    if (finder_ && !cells_.isEmpty()) PaintMatches(top, height, line, decor.currentMatch);

    const int baseline = top + ascent_;
    const QFont plain = painter_.font();
    for (int i = 0; i < cells_.size();) {
        const rules::PieceKind kind = kindOfCell_[static_cast<std::size_t>(i)];
        int j = i + 1;
        while (j < cells_.size() && kindOfCell_[static_cast<std::size_t>(j)] == kind) ++j;
        QFont font = plain;
        font.setBold(kind == rules::PieceKind::Header);
        font.setItalic(kind == rules::PieceKind::Comment);
        painter_.setFont(font);
        painter_.setPen(PieceColour(kind));
        DrawCells(i, j, baseline);
        i = j;
    }
    painter_.setFont(plain);
    if (decor.underline.isValid()) PaintUnderline(baseline, line, decor.underline);

    if (!decor.annotation.isEmpty()) {
        const int column = ColumnCount(line) + 3;
        if (column < firstColumn_ + columns_) {
            QFont font = plain;
            font.setItalic(true);
            painter_.setFont(font);
            painter_.setPen(source_colours::kAnnotation);
            painter_.drawText(QPointF(X(column - firstColumn_), baseline), decor.annotation);
            painter_.setFont(plain);
        }
    }
}

// A run of plain ASCII is drawn in one go; any other character is drawn in
// its own cell, since a glyph taken from a fallback font (or an oblique face
// with other advances) would push everything after it off the grid that the
// matches, the caret and the columns are measured on.
void SourceTextPainter::DrawCells(int from, int to, int baseline) {
    int run = from;
    for (int i = from; i <= to; ++i) {
        const bool plain = i < to && cells_.at(i).unicode() < 0x80;
        if (plain) continue;
        if (i > run) painter_.drawText(QPointF(X(run), baseline), cells_.mid(run, i - run));
        if (i < to) painter_.drawText(QPointF(X(i), baseline), QString(cells_.at(i)));
        run = i + 1;
    }
}

void SourceTextPainter::PaintMatches(int top, int height, std::string_view line, std::size_t currentMatch) {
    const std::size_t size = finder_->Size();
    const std::size_t firstByte = byteOfCell_.front();
    const std::size_t lastByte = byteOfCell_.back();
    std::size_t at = finder_->Next(line, firstByte >= size ? firstByte - size + 1 : 0);
    std::size_t cell = 0;
    while (at != rules::TextFinder::npos && at <= lastByte) {
        while (cell < byteOfCell_.size() && byteOfCell_[cell] < at) ++cell;
        std::size_t last = cell;
        while (last < byteOfCell_.size() && byteOfCell_[last] < at + size) ++last;
        if (last > cell) {
            const QColor colour = at == currentMatch ? source_colours::kCurrentMatch : source_colours::kMatch;
            painter_.fillRect(QRectF(X(static_cast<int>(cell)), top,
                                     static_cast<qreal>(last - cell) * charWidth_, height),
                              colour);
        }
        at = finder_->Next(line, at + 1);
    }
}

// A wavy line under the text of the line, from its first printed character.
void SourceTextPainter::PaintUnderline(int baseline, std::string_view line, const QColor& colour) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) return;
    std::size_t cell = 0;
    while (cell < byteOfCell_.size() && byteOfCell_[cell] < start) ++cell;
    if (cell >= byteOfCell_.size()) return;
    const int from = qRound(X(static_cast<int>(cell)));
    const int to = qRound(X(static_cast<int>(byteOfCell_.size())));
    const int y = baseline + 2;
    QPainterPath wave(QPointF(from, y));
    bool up = true;
    for (int x = from + 2; x <= to; x += 2, up = !up) wave.lineTo(x, up ? y - 2 : y);
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);  // crisp, one pixel wide
    painter_.setPen(QPen(colour, 1));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(wave);
    painter_.restore();
}

}  // namespace ui
