// Help > Manual: the bundled manual, opened on the chapter of the page in front.
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

#include "editor_session.h"
#include "ui/help/manual_window.h"

using namespace testing_support;

class ManualTest : public QObject {
    Q_OBJECT
private slots:
    // F1 where the user is: the Units page's chapter, with its picture, and
    // the contents marking it.
    void f1OnTheUnitsPageOpensItsChapter() {
        EditorSession s(DemoRules());
        s.ClickTab("Units");
        QTest::keyClick(s.Find<QWidget>("OutUnit"), Qt::Key_F1);
        auto* manual = s.windows.main.findChild<ui::ManualWindow*>("ManualWindow");
        QVERIFY(manual);
        QVERIFY(manual->isVisible());
        QCOMPARE(manual->Chapter(), QStringLiteral("units.md"));
        auto* text = manual->findChild<QTextBrowser*>("ManualText");
        QVERIFY(text->toPlainText().startsWith("The Units page"));
        auto* marked = manual->findChild<QListWidget*>("ManualContents")->currentItem();
        QVERIFY(marked);
        QCOMPARE(marked->text(),
                 QStringLiteral("The Units page"));
        const QVariant picture = text->loadResource(QTextDocument::ImageResource,
                                                    text->source().resolved(QUrl("../images/units.png")));
        QVERIFY(!picture.value<QByteArray>().isEmpty() || !picture.value<QImage>().isNull());

        // Asked again on another page, the same window turns to its chapter.
        s.ClickTab("Table");
        QTest::keyClick(s.Find<QWidget>("PageControl"), Qt::Key_F1);
        QCOMPARE(s.windows.main.findChildren<ui::ManualWindow*>().size(), 1);
        QCOMPARE(manual->Chapter(), QStringLiteral("table.md"));
    }

    // Every chapter the contents list is bundled, and so is every picture
    // it shows: the manual needs no source tree.
    void everyChapterAndPictureIsBundled() {
        ui::ManualWindow manual;
        auto* contents = manual.findChild<QListWidget*>("ManualContents");
        auto* text = manual.findChild<QTextBrowser*>("ManualText");
        QVERIFY(contents->count() >= 12);
        static const QRegularExpression image(QStringLiteral("!\\[[^\\]]*\\]\\(([^)]+)\\)"));
        for (int i = 0; i < contents->count(); ++i) {
            const QUrl url = contents->item(i)->data(Qt::UserRole).toUrl();
            QFile file(QLatin1Char(':') + url.path());
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(url.toString()));
            const QString markdown = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch& m : image.globalMatch(markdown)) {
                const QString picture = QLatin1Char(':') + url.resolved(QUrl(m.captured(1))).path();
                QVERIFY2(QFile::exists(picture), qPrintable(picture));
            }
            contents->setCurrentRow(i);
            emit contents->itemActivated(contents->item(i));
            QVERIFY2(!text->toPlainText().isEmpty(), qPrintable(url.toString()));
        }
    }

    // The search goes on into the next chapter that holds the text, and says
    // when none does.
    void searchFindsTextInAnotherChapter() {
        ui::ManualWindow manual;
        manual.ShowChapter("units.md");
        QVERIFY(manual.FindNext("Take theirs"));
        QVERIFY(manual.Chapter() != "units.md");
        QVERIFY(manual.findChild<QTextBrowser*>("ManualText")->textCursor().hasSelection());
        QVERIFY(!manual.FindNext("no chapter says xyzzy"));
    }
};

QTEST_MAIN(ManualTest)
#include "manual_test.moc"
