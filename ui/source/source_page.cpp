#include "ui/language/translated_text.h"
#include "ui/source/source_page.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/codec/text_codec.h"
#include "ui/edit/document_editor.h"
#include "ui/pages/check_page.h"
#include "ui/source/source_text_painter.h"
#include "ui/source/source_view.h"
#include "ui/widgets/key_help.h"
#include "ui/widgets/accessibility.h"

namespace ui {

namespace {

// Counting stops here: past it, the number says little and costs a pass
// over the whole of a very large file for every key typed.
constexpr std::size_t kCountLimit = 100000;

QString Swatch(const QColor& colour, const QString& caption) {
    return QStringLiteral("<span style='color:%1'>&#9632;</span>&nbsp;%2").arg(colour.name(), caption);
}

QString Legend() {
    using rules::PieceKind;
    return QStringList{Swatch(PieceColour(PieceKind::Header), QStringLiteral("section")),
                       Swatch(PieceColour(PieceKind::Comment), QStringLiteral("comment")),
                       Swatch(PieceColour(PieceKind::Number), QStringLiteral("number")),
                       Swatch(PieceColour(PieceKind::Text), QStringLiteral("text")),
                       Swatch(source_colours::kUnsaved, QStringLiteral("not saved")),
                       Swatch(source_colours::kError, QStringLiteral("problem"))}
        .join(QStringLiteral("&nbsp;&nbsp; "));
}

}  // namespace

SourcePage::SourcePage(DocumentEditor& editor, const CheckPage& check, QWidget* parent)
    : MadeWhenShown(parent), editor_(editor), check_(check) {
    // Declared now, though the page is built on first entry, so that the
    // list of shortcuts has them from the start.
    DeclareKeys(this, QStringLiteral("Ctrl+F"), QStringLiteral("Find text (Source page)"));
    DeclareKeys(this, QStringLiteral("Enter, Shift+Enter"),
                QStringLiteral("Next, previous text found (Source page)"));
    DeclareKeys(this, QStringLiteral("Ctrl+L"), QStringLiteral("Go to a line (Source page)"));
    DeclareKeys(this, QStringLiteral("Enter, double-click"),
                QStringLiteral("Show the record of a line (Source page)"));
    // Only flags until the page is built; the work waits for its showing.
    connect(&editor_, &DocumentEditor::Loaded, this, [this] { DocumentChanged(true); });
    connect(&editor_, &DocumentEditor::Replaced, this, [this] { DocumentChanged(true); });
    connect(&editor_, &DocumentEditor::FieldsChanged, this, [this] { DocumentChanged(false); });
    connect(&editor_, &DocumentEditor::CellsChanged, this, [this] { DocumentChanged(false); });
    connect(&editor_, &DocumentEditor::Saved, this, [this] { DocumentChanged(false); });
}

void SourcePage::showEvent(QShowEvent* event) {
    if (stale_) TakeDocument();
    QWidget::showEvent(event);
}

void SourcePage::Build() {
    find_ = new QLineEdit(this);
    find_->setObjectName(QStringLiteral("SourceFind"));
    NameForScreenReaders(find_, tr("Find"));
    BindText(find_, "placeholderText", UI_TEXT("Find (Ctrl+F)"));
    BindText(find_, "toolTip", UI_TEXT("Letter case ignored. Enter: next, Shift+Enter: previous, Escape: clear"));
    find_->setClearButtonEnabled(true);
    find_->setMaximumWidth(260);
    find_->installEventFilter(this);
    matches_ = new QLabel(this);
    matches_->setObjectName(QStringLiteral("SourceMatches"));
    matches_->setMinimumWidth(90);
    goTo_ = new QLineEdit(this);
    goTo_->setObjectName(QStringLiteral("SourceGoToLine"));
    NameForScreenReaders(goTo_, tr("Go to line"));
    BindText(goTo_, "placeholderText", UI_TEXT("Go to line (Ctrl+L)"));
    BindText(goTo_, "toolTip", UI_TEXT("A line number; Enter goes there, Escape goes back to the text"));
    goTo_->setValidator(new QIntValidator(1, 999999999, goTo_));
    goTo_->setMaximumWidth(130);
    goTo_->installEventFilter(this);
    auto* legend = new QLabel(Legend(), this);
    legend->setObjectName(QStringLiteral("SourceLegend"));

    view_ = new SourceView(this);
    view_->setObjectName(QStringLiteral("SourceView"));
    NameForScreenReaders(view_, tr("Text of the rules file"));
    view_->SetContent(editor_.Document(), lines_, marks_);
    view_->SetFinder(&finder_);
    setFocusProxy(view_);
    connect(view_, &SourceView::LineActivated, this, &SourcePage::ActivateLine);

    auto* top = new QHBoxLayout;
    top->addWidget(find_, 1);
    top->addWidget(matches_);
    top->addWidget(goTo_);
    top->addStretch(0);
    top->addWidget(legend);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->addLayout(top);
    column->addWidget(view_, 1);

    // The keys work while the page is in front (a hidden page takes none).
    auto* findKey = new QShortcut(QKeySequence::Find, this);
    findKey->setContext(Qt::WindowShortcut);
    connect(findKey, &QShortcut::activated, this, [this] {
        find_->setFocus(Qt::ShortcutFocusReason);
        find_->selectAll();
    });
    auto* lineKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    lineKey->setContext(Qt::WindowShortcut);
    connect(lineKey, &QShortcut::activated, this, [this] {
        goTo_->setFocus(Qt::ShortcutFocusReason);
        goTo_->selectAll();
    });
    connect(find_, &QLineEdit::textChanged, this, &SourcePage::Find);
    setToolTip(QStringLiteral(
        "The file as Save Changes would write it. Enter or double-click: show the line's record"));
}

void SourcePage::DocumentChanged(bool wholeFile) {
    stale_ = true;
    wholeFileStale_ = wholeFileStale_ || wholeFile;
    if (Built() && isVisible()) TakeDocument();
}

void SourcePage::TakeDocument() {
    const rules::RulesDocument& document = editor_.Document();
    lines_.Take(document);
    // The check page was made first, so it has checked this very change:
    // its handlers of the editor's announcements run before this page's.
    marks_.Take(document, check_.Problems());
    view_->ContentChanged(wholeFileStale_);
    if (!finder_.Empty()) CountMatches();
    stale_ = false;
    wholeFileStale_ = false;
}

void SourcePage::ShowLine(int line) {
    EnsureBuilt();
    if (stale_) TakeDocument();
    view_->SetCurrentLine(line);
    view_->setFocus(Qt::OtherFocusReason);
}

void SourcePage::ShowProblem(rules::SectionId section, int record, int line) {
    EnsureBuilt();
    if (stale_) TakeDocument();
    ShowLine(line >= 0 ? line : marks_.LineOf(section, record));
}

void SourcePage::ShowRecord(rules::SectionId section, int record) { ShowProblem(section, record, -1); }

void SourcePage::GoToLine(int number) { ShowLine(number - 1); }

void SourcePage::ActivateLine(int line) {
    const rules::LineRecord record = marks_.RecordAt(line);
    if (record.record > 0) {
        emit RecordActivated(record.section, record.record);
        return;
    }
    // A row of another section is shown on the Table page.
    const rules::OtherSections::Place row = editor_.Document().Others().RowAt(line);
    if (row.section >= 0) emit CellActivated({row.section, row.row, 0});
}

void SourcePage::Find(const QString& text) {
    EnsureBuilt();
    if (find_->text() != text) {
        find_->setText(text);  // comes back here through textChanged
        return;
    }
    // A text the file's code page cannot hold matches nothing.
    const std::optional<std::string> bytes = FromDisplay(text);
    finder_ = rules::TextFinder(bytes ? std::string_view(*bytes) : std::string_view());
    view_->SetFinder(&finder_);
    CountMatches();
    if (finder_.Empty()) return;
    // The first match from the start of the current line on.
    view_->ShowMatch(rules::FindText(lines_, finder_, {view_->CurrentLine(), 0}, false, true));
}

void SourcePage::CountMatches() {
    if (find_->text().isEmpty()) {
        matches_->clear();
        return;
    }
    const std::size_t count = rules::CountMatches(lines_, finder_, kCountLimit);
    if (count == 0)
        matches_->setText(QStringLiteral("no match"));
    else if (count >= kCountLimit)
        matches_->setText(QStringLiteral("%1+ matches").arg(kCountLimit));
    else
        matches_->setText(count == 1 ? QStringLiteral("1 match") : QStringLiteral("%1 matches").arg(count));
}

void SourcePage::FindNext(bool backwards) {
    if (!Built() || finder_.Empty()) return;
    // From the match on show, or from the line the user moved to since.
    rules::TextPlace from = view_->Match();
    bool inclusive = false;
    if (from.line != view_->CurrentLine()) {
        from = {view_->CurrentLine(), 0};
        inclusive = !backwards;
    }
    view_->ShowMatch(rules::FindText(lines_, finder_, from, backwards, inclusive));
}

bool SourcePage::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == find_ || watched == goTo_) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == find_ && enter) {
            FindNext(key->modifiers() & Qt::ShiftModifier);
            return true;
        }
        if (watched == goTo_ && enter) {
            if (!goTo_->text().isEmpty()) GoToLine(goTo_->text().toInt());
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            static_cast<QLineEdit*>(watched)->clear();
            view_->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ui
