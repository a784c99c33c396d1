#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace ui {

// Help > Manual: the manual bundled in the program (docs/manual, with the
// pictures and the command-line reference it links to), shown with its
// contents beside it and a field that searches every chapter. Nothing of it
// is read before the window is first opened.
class ManualWindow : public QWidget {
    Q_OBJECT
public:
    explicit ManualWindow(QWidget* parent = nullptr);

    // Shows a chapter by its file name in docs/manual ("units.md").
    void ShowChapter(const QString& chapter);
    // The file name of the chapter or page on show.
    QString Chapter() const;

    // Finds the next place that holds `text`, in this chapter after the
    // cursor and then in the chapters after it, going round. False when no
    // chapter holds it.
    bool FindNext(const QString& text);

private:
    void FillContents();
    void MarkCurrentChapter(const QUrl& source);

    QListWidget* contents_ = nullptr;
    QTextBrowser* text_ = nullptr;
    QLineEdit* search_ = nullptr;
    QLabel* searchResult_ = nullptr;
};

// The chapter of the manual that tells about `page`, as the page declares it
// (SetManualChapter); the contents for a page that declares none.
QString ManualChapterOf(const QWidget* page);
void SetManualChapter(QWidget* page, const char* chapter);

}  // namespace ui
