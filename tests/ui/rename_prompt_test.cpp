// Names that would break the record's line when the file is read again are
// refused with a message; the caller then keeps the old name.
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

#include "gui_test_support.h"
#include "ui/dialogs/rename_form.h"
#include "ui/dialogs/rename_prompt.h"

using namespace testing_support;

class RenamePromptTest : public QObject {
    Q_OBJECT
private slots:
    void refusesNamesTheFileCannotHold_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("separators");
        QTest::newRow("comma in a unit name") << "Scout, Mk 2" << ",";
        QTest::newRow("semicolon in an advance name") << "Salt;Pans" << ",;";
        QTest::newRow("only blanks") << "   " << ",";
        QTest::newRow("section header") << "@UNITS" << ",";
        QTest::newRow("section header after blanks") << "  @Fen" << ",";
        QTest::newRow("character outside the code page") << QString::fromUtf8("Fen \u03a9") << ",";
    }
    void refusesNamesTheFileCannotHold() {
        QFETCH(QString, typed);
        QFETCH(QString, separators);
        ui::TRenameForm form;
        ModalAnswerer answers;
        answers.Then([typed](QWidget* modal) {
            modal->findChild<QLineEdit*>("NewName")->setText(typed);
            ClickButton("OKButton")(modal);
        });
        answers.Then(ClickBoxButton(QMessageBox::Ok));
        const auto name = ui::AskForNewName(form, nullptr, "Mire Skiff", separators);
        QVERIFY(!name);
        QVERIFY(answers.WaitDone());
        QVERIFY2(answers.seenTexts.value(0).contains("The name stays \"Mire Skiff\""),
                 qPrintable(answers.seenTexts.value(0)));
    }

    void acceptedNameComesBackAsFileBytes() {
        ui::TRenameForm form;
        ModalAnswerer answers;
        answers.Then([](QWidget* modal) {
            modal->findChild<QLineEdit*>("NewName")->setText(QString::fromUtf8("F\u00e9e du Marais"));
            ClickButton("OKButton")(modal);
        });
        QCOMPARE(ui::AskForNewName(form, nullptr, "Mire Skiff", ","),
                 std::optional<std::string>("F\xE9" "e du Marais"));
        QCOMPARE(answers.Handled(), 1);  // no message

        answers.Then(ClickButton("Button1"));
        QVERIFY(!ui::AskForNewName(form, nullptr, "Mire Skiff", ","));
    }
};

QTEST_MAIN(RenamePromptTest)
#include "rename_prompt_test.moc"
