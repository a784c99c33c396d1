// Names that would break the record's line when the file is read again are
// refused with a message; the caller then keeps the old name.
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

#include "gui_test_support.h"
#include "rules/document/rules_document.h"
#include "ui/dialogs/rename_form.h"
#include "ui/dialogs/rename_prompt.h"

using namespace testing_support;

namespace {

// One advance and one unit, "Mire Skiff".
const rules::RulesDocument& Rules() {
    static const rules::RulesDocument document = [] {
        rules::RulesDocument d;
        d.LoadBytes("head\r\n@CIVILIZE\r\nSalt Pans, 1, 0, nil, nil, 0, 1 ; Slt\r\n;\r\n"
                    "@UNITS\r\nMire Skiff,nil,2,2.,0,1a,1d,1h,1f,3,0,4,nil,000000000000000\r\n;\r\n",
                    rules::Language::English);
        d.Parse();
        return d;
    }();
    return document;
}

rules::FieldRef NameOf(const QString& separators) {
    return separators == ",;" ? rules::AdvanceFieldRef(1, rules::AdvanceField::Name)
                              : rules::UnitFieldRef(1, rules::UnitField::Name);
}

}  // namespace

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
        const rules::FieldRef ref = NameOf(separators);
        const auto name = ui::AskForNewName(form, nullptr, Rules(), ref);
        QVERIFY(!name);
        QVERIFY(answers.WaitDone());
        const QString stays = QStringLiteral("The name stays \"%1\"")
                                  .arg(QString::fromStdString(rules::FieldText(Rules(), ref)));
        QVERIFY2(answers.seenTexts.value(0).contains(stays),
                 qPrintable(answers.seenTexts.value(0)));
    }

    void acceptedNameComesBackAsFileBytes() {
        ui::TRenameForm form;
        ModalAnswerer answers;
        answers.Then([](QWidget* modal) {
            modal->findChild<QLineEdit*>("NewName")->setText(QString::fromUtf8("F\u00e9e du Marais"));
            ClickButton("OKButton")(modal);
        });
        QCOMPARE(ui::AskForNewName(form, nullptr, Rules(), NameOf(",")),
                 std::optional<std::string>("F\xE9" "e du Marais"));
        QCOMPARE(answers.Handled(), 1);  // no message

        answers.Then(ClickButton("Button1"));
        QVERIFY(!ui::AskForNewName(form, nullptr, Rules(), NameOf(",")));
    }
};

QTEST_MAIN(RenamePromptTest)
#include "rename_prompt_test.moc"
