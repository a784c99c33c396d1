#include "ui/source/source_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

#include "rules/compare/comparison.h"
#include "rules/document/rules_document.h"
#include "rules/source/line_marks.h"
#include "rules/source/written_lines.h"
#include "ui/codec/text_codec.h"
#include "ui/source/source_text_painter.h"

namespace ui {

namespace {

constexpr int kBarWidth = 3;   // the unsaved mark, and a section's bar
constexpr int kIconSize = 12;  // a problem's mark
constexpr int kLongestShown = 160;  // characters of a line a tool tip shows

QColor SectionColour(rules::SectionId section) {
    switch (section) {
        case rules::SectionId::Cosmic: return source_colours::kCosmic;
        case rules::SectionId::Advances: return source_colours::kAdvances;
        case rules::SectionId::Units: return source_colours::kUnits;
    }
    return {};
}

int Digits(int count) {
    int digits = 1;
    for (int n = std::max(count, 1); n >= 10; n /= 10) ++digits;
    return digits;
}

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

}  // namespace

SourceView::SourceView(QWidget* parent) : QAbstractScrollArea(parent) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(12);
    setFont(font);
    const QFontMetrics metrics(font);
    lineHeight_ = metrics.height() + 1;
    charWidth_ = std::max(1, metrics.horizontalAdvance(QLatin1Char('M')));
    errorIcon_ = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    warningIcon_ = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(4);
}

void SourceView::SetContent(const rules::RulesDocument& document, const rules::WrittenLines& lines,
                            const rules::LineMarks& marks) {
    document_ = &document;
    lines_ = &lines;
    marks_ = &marks;
}

int SourceView::LineCount() const { return lines_ ? lines_->LineCount() : 0; }

void SourceView::ContentChanged(bool allLines) {
    const int count = LineCount();
    if (allLines) {
        widestLine_ = 0;
        for (int line = 0; line < count; ++line)
            widestLine_ = std::max(widestLine_, ColumnCount(lines_->Line(line)));
    } else if (lines_) {
        for (const int line : lines_->UnsavedLines())
            widestLine_ = std::max(widestLine_, ColumnCount(lines_->Line(line)));
    }
    current_ = std::clamp(current_, 0, std::max(count - 1, 0));
    if (match_.line >= count) match_ = {};
    UpdateScrollRanges();
    viewport()->update();
}

int SourceView::GutterWidth() const {
    return kBarWidth + 2 + Digits(LineCount()) * charWidth_ + 4 + kIconSize + 2 + kBarWidth + 4;
}

int SourceView::VisibleLineCount() const { return std::max(1, viewport()->height() / lineHeight_); }

int SourceView::FirstVisibleLine() const { return verticalScrollBar()->value(); }

int SourceView::FirstVisibleColumn() const { return horizontalScrollBar()->value(); }

void SourceView::UpdateScrollRanges() {
    const int rows = VisibleLineCount();
    verticalScrollBar()->setPageStep(rows);
    verticalScrollBar()->setRange(0, std::max(0, LineCount() - rows));
    const int columns = std::max(1, (viewport()->width() - GutterWidth()) / charWidth_);
    horizontalScrollBar()->setPageStep(columns);
    horizontalScrollBar()->setRange(0, std::max(0, widestLine_ + 1 - columns));
}

void SourceView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
    if (centring_) verticalScrollBar()->setValue(current_ - VisibleLineCount() / 2);
}

void SourceView::scrollContentsBy(int, int) { viewport()->update(); }

int SourceView::LineAt(const QPoint& point) const {
    if (point.y() < 0) return -1;
    const int line = FirstVisibleLine() + point.y() / lineHeight_;
    return line < LineCount() ? line : -1;
}

void SourceView::SetCurrentLine(int line) {
    const int count = LineCount();
    if (count == 0) return;
    current_ = std::clamp(line, 0, count - 1);
    const int first = FirstVisibleLine();
    const int rows = VisibleLineCount();
    if (current_ < first || current_ >= first + rows) {
        verticalScrollBar()->setValue(current_ - rows / 2);
        // A view just built or brought to the front gets its real height
        // afterwards: the line is centred again then, until it is painted.
        centring_ = true;
    }
    viewport()->update();
}

void SourceView::SetFinder(const rules::TextFinder* finder) {
    finder_ = finder;
    if (!finder_ || finder_->Empty()) match_ = {};
    viewport()->update();
}

void SourceView::ShowMatch(const rules::TextPlace& place) {
    match_ = place;
    if (!place.Found()) {
        viewport()->update();
        return;
    }
    SetCurrentLine(place.line);
    const std::string_view text = lines_->Line(place.line);
    const int from = ColumnOf(text, place.column);
    const int to = ColumnOf(text, place.column + (finder_ ? finder_->Size() : 0));
    MakeColumnVisible(from, to - from);
}

void SourceView::MakeColumnVisible(int column, int width) {
    QScrollBar* bar = horizontalScrollBar();
    const int columns = bar->pageStep();
    if (column < bar->value() || column + width > bar->value() + columns)
        bar->setValue(std::max(0, column - columns / 3));
}

void SourceView::paintEvent(QPaintEvent*) {
    centring_ = false;
    QPainter painter(viewport());
    painter.setFont(font());
    const QRect area = viewport()->rect();
    painter.fillRect(area, palette().base());
    if (LineCount() == 0) {
        painter.setPen(source_colours::kAnnotation);
        painter.drawText(area, Qt::AlignCenter,
                         document_ && document_->Parsed() ? QStringLiteral("The file is empty.")
                                                          : QStringLiteral("No rules file was loaded."));
        return;
    }
    const int gutter = GutterWidth();
    painter.fillRect(QRect(0, 0, gutter, area.height()), source_colours::kGutter);
    const int columns = (area.width() - gutter) / charWidth_ + 2;
    SourceTextPainter text(painter, QFontMetrics(font()), gutter, FirstVisibleColumn(), columns, finder_);
    const int first = FirstVisibleLine();
    const int last = std::min(LineCount(), first + area.height() / lineHeight_ + 1);
    for (int line = first; line < last; ++line) {
        const int top = (line - first) * lineHeight_;
        LineDecor decor;
        decor.current = line == current_;
        const rules::LineRecord record = marks_->RecordAt(line);
        if (record.record > 0) {
            decor.advanceLine = record.section == rules::SectionId::Advances;
            decor.annotation = ToDisplay(rules::RecordLabel(
                record.section, rules::RecordName(*document_, record.section, record.record),
                decor.advanceLine ? document_->Advances().At(record.record).abbrev : std::string()));
        }
        const auto problems = marks_->ProblemsAt(line);
        if (!problems.empty())
            decor.underline = problems.front().severity == rules::Severity::Error
                                  ? source_colours::kError
                                  : source_colours::kWarning;
        if (match_.line == line) decor.currentMatch = match_.column;
        painter.setClipRect(QRect(gutter, top, area.width() - gutter, lineHeight_));
        text.PaintLine(top, lineHeight_, lines_->Line(line), decor);
        painter.setClipping(false);
        PaintGutter(painter, line, top);
    }
}

void SourceView::PaintGutter(QPainter& painter, int line, int top) const {
    if (lines_->Unsaved(line))
        painter.fillRect(QRect(0, top, kBarWidth, lineHeight_), source_colours::kUnsaved);
    const int numbersWidth = Digits(LineCount()) * charWidth_;
    QFont font = painter.font();
    font.setBold(line == current_);
    painter.setFont(font);
    painter.setPen(line == current_ ? palette().text().color() : source_colours::kLineNumber);
    painter.drawText(QRect(kBarWidth + 2, top, numbersWidth, lineHeight_),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(line + 1));
    font.setBold(false);
    painter.setFont(font);
    const int iconLeft = kBarWidth + 2 + numbersWidth + 4;
    const auto problems = marks_->ProblemsAt(line);
    if (!problems.empty()) {
        const QIcon& icon = problems.front().severity == rules::Severity::Error ? errorIcon_ : warningIcon_;
        icon.paint(&painter, QRect(iconLeft, top + (lineHeight_ - kIconSize) / 2, kIconSize, kIconSize));
    }
    const rules::LineRecord record = marks_->RecordAt(line);
    if (record.record > 0)
        painter.fillRect(QRect(iconLeft + kIconSize + 2, top, kBarWidth, lineHeight_),
                         SectionColour(record.section));
}

QString SourceView::LineText(int line) const {
    return lines_ ? ToDisplay(lines_->Line(line)) : QString();
}

QString SourceView::LineToolTip(int line) const {
    if (!lines_ || line < 0 || line >= LineCount()) return {};
    QStringList parts;
    for (const rules::Problem& problem : marks_->ProblemsAt(line)) {
        parts << QStringLiteral("<b>%1</b> [%2]: %3")
                     .arg(problem.severity == rules::Severity::Error ? QStringLiteral("Error")
                          : problem.severity == rules::Severity::Warning ? QStringLiteral("Warning")
                                                                          : QStringLiteral("Note"),
                          Escaped(QString::fromStdString(problem.check)),
                          Escaped(QString::fromStdString(problem.text)));
    }
    const rules::LineRecord record = marks_->RecordAt(line);
    if (record.record > 0) {
        const std::string name = rules::RecordName(*document_, record.section, record.record);
        parts << QStringLiteral("%1: double-click or press Enter to show it on its page")
                     .arg(Escaped(ToDisplay(rules::RecordLabel(record.section, name, {}))));
    }
    if (lines_->Unsaved(line)) {
        QString saved = ToDisplay(lines_->SavedLine(line));
        if (saved.size() > kLongestShown) saved = saved.left(kLongestShown) + QChar(0x2026);
        parts << QStringLiteral("Not saved yet; the file holds:<br><tt>%1</tt>").arg(Escaped(saved));
    }
    if (parts.isEmpty()) return {};
    return QStringLiteral("<p style='white-space:pre'>") +
           parts.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
}

bool SourceView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int line = LineAt(help->pos());
        const QString tip = LineToolTip(line);
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            const int top = (line - FirstVisibleLine()) * lineHeight_;
            QToolTip::showText(help->globalPos(), tip, viewport(),
                               QRect(0, top, viewport()->width(), lineHeight_));
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void SourceView::keyPressEvent(QKeyEvent* event) {
    const int rows = VisibleLineCount();
    auto moveTo = [&](int line) {
        const int count = LineCount();
        if (count == 0) return;
        current_ = std::clamp(line, 0, count - 1);
        // The keys scroll no further than they must, as a text editor does.
        QScrollBar* bar = verticalScrollBar();
        if (current_ < bar->value()) bar->setValue(current_);
        else if (current_ >= bar->value() + rows) bar->setValue(current_ - rows + 1);
        viewport()->update();
    };
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(LineText(current_));
        return;
    }
    switch (event->key()) {
        case Qt::Key_Up: moveTo(current_ - 1); return;
        case Qt::Key_Down: moveTo(current_ + 1); return;
        case Qt::Key_PageUp: moveTo(current_ - rows); return;
        case Qt::Key_PageDown: moveTo(current_ + rows); return;
        case Qt::Key_Home:
            if (control) moveTo(0);
            horizontalScrollBar()->setValue(0);
            return;
        case Qt::Key_End:
            if (control) moveTo(LineCount() - 1);
            MakeColumnVisible(ColumnCount(lines_ ? lines_->Line(current_) : std::string_view()), 0);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (LineCount() > 0) emit LineActivated(current_);
            return;
        default: break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void SourceView::mousePressEvent(QMouseEvent* event) {
    const int line = LineAt(event->position().toPoint());
    if (line >= 0) {
        current_ = line;
        viewport()->update();
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void SourceView::mouseDoubleClickEvent(QMouseEvent* event) {
    const int line = LineAt(event->position().toPoint());
    if (line < 0) return;
    current_ = line;
    viewport()->update();
    emit LineActivated(line);
}

}  // namespace ui
