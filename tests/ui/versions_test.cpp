// Every saved version kept: Save Changes keeps the file it replaces in the
// user's data folder, Earlier Versions lists them with what differs, and
// Restore is one undoable step that writes nothing.
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

#include "editor_session.h"
#include "rules/document/rules_document.h"
#include "rules/versions/version_store.h"
#include "ui/edit/document_editor.h"
#include "ui/widgets/differences_view.h"

using namespace testing_support;

class VersionsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Versions go to the user's data folder: a scratch one here.
        QVERIFY(data_.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(data_.path()));
    }

    void savesKeepVersionsThatCanBeRestored() {
        EditorSession s(DemoRules());
        QVERIFY(s.started);
        ui::TMainForm& main = s.windows.main;
        QVERIFY(main.Editor().VersionsFolder().startsWith(data_.path()));
        auto* road = s.Find<QLineEdit>("RoadMove");
        const QString original = road->text();
        road->setText("7");
        s.Save();
        road->setText("8");
        s.Save();
        const QByteArray saved = s.folder.Read("rules.txt");

        // Two saves, two versions: the file as read, then as first saved.
        QDir versions(main.Editor().VersionsFolder());
        const QStringList kept = versions.entryList(QDir::Files, QDir::Name);
        QCOMPARE(kept.size(), 2);
        QFile oldest(versions.filePath(kept.first()));
        QVERIFY(oldest.open(QIODevice::ReadOnly));
        QCOMPARE(oldest.readAll(), DemoRules());
        QVERIFY(!QFile::exists(s.folder.Path("versions")));  // never in the game's folder

        s.answers.Then([&](QWidget* modal) {
            auto* list = modal->findChild<QTreeWidget*>("VersionList");
            QVERIFY(list);
            QCOMPARE(list->topLevelItemCount(), 2);
            // Newest first: it differs from now in RoadMove only.
            QCOMPARE(list->topLevelItem(0)->text(2), QString("1 cosmic value differs"));
            list->setCurrentItem(list->topLevelItem(1));
            auto* differences = modal->findChild<ui::DifferencesView*>("VersionDifferences");
            QCOMPARE(differences->RowTexts(),
                     QStringList{QString("Cosmic value RoadMove: %1 -> 8").arg(original)});
            modal->findChild<QPushButton*>("RestoreButton")->click();
        });
        main.EarlierVersionsClick();
        QVERIFY(s.answers.WaitDone());

        QCOMPARE(road->text(), original);
        QVERIFY(main.isWindowModified());
        QCOMPARE(s.folder.Read("rules.txt"), saved);  // nothing written
        QVERIFY(main.Editor().Stack()->undoText().startsWith("Restore Version of "));
        main.Editor().Undo();
        QCOMPARE(road->text(), QString("8"));
        QVERIFY(!main.isWindowModified());
        main.Editor().Redo();
        // Saving the restored version writes what saving the file as read writes.
        rules::RulesDocument untouched;
        const QByteArray demo = DemoRules();
        untouched.LoadBytes(std::string_view(demo.constData(), size_t(demo.size())),
                            rules::Language::English);
        untouched.Parse();
        QCOMPARE(s.Save().toStdString(), untouched.SaveToBytes());
    }

    void aVersionThatCannotBeKeptIsToldOnceAndTheSaveGoesOn() {
        EditorSession s(DemoRules());
        QVERIFY(s.started);
        ui::TMainForm& main = s.windows.main;
        // A file stands where the versions folder must be made.
        QVERIFY(QDir().mkpath(QFileInfo(main.Editor().VersionsFolder()).path()));
        QFile blocker(main.Editor().VersionsFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto* road = s.Find<QLineEdit>("RoadMove");
        s.answers.Then(ClickBoxButton(QMessageBox::Ok));
        road->setText("5");
        QVERIFY(s.Save().contains("\r\n5     ; Movement multiplier on roads\r\n"));
        QVERIFY(s.answers.WaitDone());
        QCOMPARE(s.answers.seenTexts.size(), 1);
        QVERIFY(s.answers.seenTexts.first().contains(main.Editor().VersionsFolder()));
        road->setText("6");
        QVERIFY(s.Save().contains("\r\n6     ; Movement multiplier on roads\r\n"));
        QCOMPARE(s.answers.seenTexts.size(), 1);  // once per session
        QVERIFY(blocker.remove());
    }

private:
    QTemporaryDir data_;
};

QTEST_MAIN(VersionsTest)
#include "versions_test.moc"
