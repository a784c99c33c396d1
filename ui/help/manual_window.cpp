#include "ui/help/manual_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "ui/widgets/accessibility.h"

namespace ui {

namespace {

// Where the build puts docs/ among the program's resources.
const QUrl kManualRoot(QStringLiteral("qrc:/docs/manual/"));
const char* const kChapterProperty = "manualChapter";

QString ResourceFile(const QUrl& url) { return QLatin1Char(':') + url.path(); }

QString ReadResource(const QUrl& url) {
    QFile file(ResourceFile(url));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// The text a reader sees, which is what the search field looks for: the
// Markdown's marks and line breaks inside paragraphs are not part of it.
QString RenderedText(const QUrl& url) {
    QTextDocument document;
    document.setMarkdown(ReadResource(url));
    return document.toPlainText();
}

}  // namespace

ManualWindow::ManualWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ManualWindow"));
    setWindowTitle(tr("Manual"));
    resize(960, 700);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("ManualSearch"));
    search_->setPlaceholderText(tr("Search the manual (Enter: next)"));
    search_->setClearButtonEnabled(true);
    searchResult_ = new QLabel(this);
    searchResult_->setObjectName(QStringLiteral("ManualSearchResult"));
    contents_ = new QListWidget(this);
    contents_->setObjectName(QStringLiteral("ManualContents"));
    contents_->setFixedWidth(250);
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("ManualText"));
    text_->setOpenExternalLinks(true);
    NameForScreenReaders(search_, tr("Search the manual"));
    NameForScreenReaders(contents_, tr("Contents"));
    NameForScreenReaders(text_, tr("Chapter"));
    // A window of its own: the keyboard must be able to close it too.
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(searchResult_);
    auto* body = new QHBoxLayout;
    body->addWidget(contents_);
    body->addWidget(text_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addLayout(body, 1);

    FillContents();
    connect(contents_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        text_->setSource(item->data(Qt::UserRole).toUrl());
    });
    connect(contents_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        text_->setSource(item->data(Qt::UserRole).toUrl());
    });
    // source() still names the page before while this is said.
    connect(text_, &QTextBrowser::sourceChanged, this, [this](const QUrl& source) {
        MarkCurrentChapter(source);
        setWindowTitle(tr("Manual - %1").arg(text_->documentTitle()));
    });
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        const bool found = FindNext(search_->text());
        searchResult_->setText(found || search_->text().isEmpty() ? QString() : tr("Not found"));
    });
    connect(search_, &QLineEdit::textEdited, searchResult_, &QLabel::clear);
}

// The contents are the index's own list of chapters and of the pages beyond
// the editor, so that a chapter added there shows here too.
void ManualWindow::FillContents() {
    const QUrl index = kManualRoot.resolved(QUrl(QStringLiteral("index.md")));
    auto* top = new QListWidgetItem(tr("Contents"), contents_);
    top->setData(Qt::UserRole, index);
    static const QRegularExpression link(
        QStringLiteral("^(?:\\d+\\.|-) \\[([^\\]]+)\\]\\(([^)#]+)\\)"),
        QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& match : link.globalMatch(ReadResource(index))) {
        QString title = match.captured(1);
        title.remove(QLatin1Char('`'));
        auto* item = new QListWidgetItem(title, contents_);
        item->setData(Qt::UserRole, index.resolved(QUrl(match.captured(2))));
    }
}

void ManualWindow::MarkCurrentChapter(const QUrl& source) {
    const QUrl now = source.adjusted(QUrl::RemoveFragment);
    for (int i = 0; i < contents_->count(); ++i) {
        if (contents_->item(i)->data(Qt::UserRole).toUrl() == now) {
            contents_->setCurrentRow(i);
            return;
        }
    }
    contents_->clearSelection();
}

void ManualWindow::ShowChapter(const QString& chapter) {
    text_->setSource(kManualRoot.resolved(QUrl(chapter)));
}

QString ManualWindow::Chapter() const {
    const QString path = text_->source().path();
    const QString root = kManualRoot.path();
    return path.startsWith(root) ? path.mid(root.size()) : path;
}

bool ManualWindow::FindNext(const QString& text) {
    if (text.isEmpty()) return false;
    if (text_->find(text)) return true;
    const QUrl now = text_->source().adjusted(QUrl::RemoveFragment);
    int at = 0;
    for (int i = 0; i < contents_->count(); ++i)
        if (contents_->item(i)->data(Qt::UserRole).toUrl() == now) at = i;
    // The chapters after this one, then this one again from its top.
    for (int step = 1; step <= contents_->count(); ++step) {
        const QUrl url = contents_->item((at + step) % contents_->count())->data(Qt::UserRole).toUrl();
        if (!RenderedText(url).contains(text, Qt::CaseInsensitive)) continue;
        if (url != now) text_->setSource(url);
        text_->moveCursor(QTextCursor::Start);
        if (text_->find(text)) return true;
    }
    return false;
}

QString ManualChapterOf(const QWidget* page) {
    const QString chapter = page ? page->property(kChapterProperty).toString() : QString();
    return chapter.isEmpty() ? QStringLiteral("index.md") : chapter;
}

void SetManualChapter(QWidget* page, const char* chapter) {
    page->setProperty(kChapterProperty, QString::fromLatin1(chapter));
}

}  // namespace ui
