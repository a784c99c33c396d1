// The three dialogs: keys, close boxes and the flags their callers read.
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "gui_test_support.h"
#include "ui/dialogs/langue_form.h"
#include "ui/dialogs/rename_form.h"
#include "ui/dialogs/warning_form.h"

using namespace testing_support;

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void languageDialogLooksAsDesigned() {
        ui::TLangueForm form;
        form.EnsureBuilt();
        QCOMPARE(form.windowTitle(), QString("Text Tong"));
        QCOMPARE(form.size(), QSize(130, 187));
        auto* group = form.findChild<QWidget*>("Langue");
        QCOMPARE(group->geometry(), QRect(0, 0, 129, 153));
        QVERIFY(form.findChild<QPushButton*>("OkButton")->isDefault());
        QCOMPARE(form.findChild<QPushButton*>("CancelButton")->geometry(), QRect(64, 160, 65, 25));
    }

    void languageDialogKeysAndCloseBox() {
        ui::TLangueForm form;
        ModalAnswerer answers;
        // Escape does nothing; Enter on the radio group works "Ok".
        answers.Then(PressKey(Qt::Key_Escape));
        answers.Then([](QWidget* modal) {
            QVERIFY(modal->isVisible());
            QVERIFY(qobject_cast<QRadioButton*>(modal->focusWidget()));
            QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
        });
        form.ShowModal();
        QVERIFY(answers.Done());
        QVERIFY(!form.LanguageCancelled());
        QCOMPARE(form.SelectedLanguage(), 0);

        // The close box counts as "Ok" with the selected item.
        answers.Then([](QWidget* modal) {
            modal->findChildren<QRadioButton*>()[1]->click();
            modal->close();
        });
        form.ShowModal();
        QVERIFY(!form.LanguageCancelled());
        QCOMPARE(form.SelectedLanguage(), 1);

        answers.Then(ClickButton("CancelButton"));
        form.ShowModal();
        QVERIFY(form.LanguageCancelled());
    }

    void warningDialogKeysAndCloseBox() {
        {
            ui::TWarningForm form;
            QCOMPARE(form.windowTitle(), QString("Warning Window"));
            QCOMPARE(form.size(), QSize(403, 402));
            QCOMPARE(ui::TWarningForm::WarningLines().size(), 15);
            QCOMPARE(ui::TWarningForm::WarningLines()[4],
                     QString("the rules of the game.  Keep in mind that altering the"));
            ModalAnswerer answers;
            answers.Then(PressKey(Qt::Key_Escape));  // no cancel button: nothing happens
            answers.Then([](QWidget* modal) {
                QCOMPARE(modal->focusWidget()->objectName(), QString("AgreeButton"));
                QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
            });
            form.ShowModal();
            QVERIFY(answers.Done());
            QVERIFY(form.Agreed());
        }
        {
            ui::TWarningForm form;
            ModalAnswerer answers;
            answers.Then(CloseWindow());
            form.ShowModal();
            QVERIFY(!form.Agreed());
        }
        {
            ui::TWarningForm form;
            ModalAnswerer answers;
            answers.Then(ClickButton("DontAgreeButton"));
            form.ShowModal();
            QVERIFY(!form.Agreed());
        }
    }

    void renameDialogFlagFollowsEachShowing() {
        ui::TRenameForm form;
        QCOMPARE(form.windowTitle(), QString("New name"));
        QCOMPARE(form.size(), QSize(195, 88));
        // The field sits inside the panel with the same margin on both sides.
        auto* panel = form.findChild<QFrame*>("Panel1");
        QCOMPARE(form.findChild<QLineEdit*>("NewName")->geometry(), QRect(16, 16, 145, 21));
        QCOMPARE(form.findChild<QLineEdit*>("NewName")->parentWidget(), panel);
        QCOMPARE(panel->width() - 16 - 145, 16);
        ModalAnswerer answers;

        // First showing: the focus is on OK, so Enter accepts the name unchanged.
        form.SetNewName("Bog Walker");
        answers.Then([](QWidget* modal) {
            QCOMPARE(modal->focusWidget()->objectName(), QString("OKButton"));
            QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
        });
        form.ShowModal();
        QVERIFY(form.RenameAccepted());
        QCOMPARE(form.NewNameText(), QString("Bog Walker"));

        // The close box cancels even right after an accepted rename.
        form.SetNewName("Fen Stalker");
        answers.Then(CloseWindow());
        form.ShowModal();
        QVERIFY(!form.RenameAccepted());

        // Typing, then Escape: cancelled; the next showing has the caller's text.
        form.SetNewName("Fen Stalker");
        answers.Then([](QWidget* modal) {
            auto* edit = modal->findChild<QLineEdit*>("NewName");
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, "Marsh Hound");
            QTest::keyClick(edit, Qt::Key_Escape);
        });
        form.ShowModal();
        QVERIFY(!form.RenameAccepted());
        form.SetNewName("Reed Runner");
        answers.Then([](QWidget* modal) {
            auto* edit = modal->findChild<QLineEdit*>("NewName");
            QCOMPARE(edit->text(), QString("Reed Runner"));
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, "Reed Racer");
            QTest::keyClick(edit, Qt::Key_Return);  // Enter in the field works OK
        });
        form.ShowModal();
        QVERIFY(form.RenameAccepted());
        QCOMPARE(form.NewNameText(), QString("Reed Racer"));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
