// Undo and redo: every edit of the tables is a step, keystrokes in one field
// fold into one, and Ctrl+Z / Ctrl+Shift+Z / Ctrl+Y act wherever the focus is.
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QUndoStack>
#include <QtTest>

#include "editor_session.h"
#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"
#include "ui/edit/document_editor.h"

using namespace testing_support;

namespace {

std::string Rendering(const rules::RulesDocument& document) {
    rules::RulesDocument copy = document;
    return copy.SaveToBytes();
}

// A value a user might put into a field: numbers, names, abbreviations, and
// the empty text.
std::string SomeValue(QRandomGenerator& random) {
    static const char* const kWords[] = {"", "nil", "no", "Kln", "Tidecraft", "Ember Guard", "x"};
    if (random.bounded(2) == 0) return std::to_string(random.bounded(-5, 120));
    return kWords[random.bounded(int(std::size(kWords)))];
}

rules::FieldRef SomeField(const rules::RulesDocument& document, QRandomGenerator& random) {
    const rules::SectionId sections[] = {rules::SectionId::Cosmic, rules::SectionId::Advances,
                                         rules::SectionId::Units};
    const rules::SectionId section = sections[random.bounded(3)];
    return {section, 1 + random.bounded(rules::RecordCount(document, section)),
            random.bounded(rules::FieldCount(section))};
}

// An earlier version of the file: a remark more, and its last unit gone.
QByteArray EarlierVersion(const QByteArray& demo) {
    QByteArray other = demo;
    other.replace("\r\n@UNITS\r\n", "\r\n; restored\r\n@UNITS\r\n");
    const qsizetype end = other.indexOf("\r\n;", other.indexOf("\r\n@UNITS\r\n") + 2);
    const qsizetype start = other.lastIndexOf("\r\n", end - 1);
    other.remove(start, end - start);
    return other;
}

}  // namespace

class UndoTest : public QObject {
    Q_OBJECT
private slots:
    // Whatever the edits, undoing them all gives back what the file rendered
    // before, and redoing them all what it rendered after.
    void randomEditSequencesUndoAndRedoExactly() {
        const QByteArray demo = DemoRules();
        {
            rules::RulesDocument probe;
            probe.LoadBytes(std::string_view(demo.constData(), size_t(demo.size())),
                            rules::Language::English);
            probe.Parse();
            const QByteArray other = EarlierVersion(demo);
            QCOMPARE(probe.ReadContent(std::string_view(other.constData(), size_t(other.size())))
                         .units.Count(),
                     probe.Units().Count() - 1);
        }
        for (quint32 seed = 1; seed <= 40; ++seed) {
            QRandomGenerator random(seed);
            ui::DocumentEditor editor;
            editor.LoadBytes(std::string_view(demo.constData(), size_t(demo.size())),
                             rules::Language::English);
            editor.Parse();
            const rules::RulesDocument& document = editor.Document();
            const std::string original = Rendering(document);
            const int edits = 1 + random.bounded(30);
            for (int i = 0; i < edits; ++i) {
                switch (random.bounded(5)) {
                case 0:
                    editor.SetField(SomeField(document, random), SomeValue(random));
                    break;
                case 1: {  // keystrokes into one field, maybe back to where it was
                    const rules::FieldRef ref = SomeField(document, random);
                    const std::string before = rules::FieldText(document, ref);
                    for (int k = random.bounded(1, 5); k > 0; --k)
                        editor.SetField(ref, SomeValue(random), true);
                    if (random.bounded(3) == 0) editor.SetField(ref, before, true);
                    if (random.bounded(2) == 0) editor.EndTyping();
                    break;
                }
                case 2: {
                    std::vector<ui::FieldEdit> many;
                    for (int k = random.bounded(1, 6); k > 0; --k)
                        many.push_back({SomeField(document, random), SomeValue(random)});
                    editor.SetFields(std::move(many), QStringLiteral("Paste"));
                    break;
                }
                case 3: {
                    const QByteArray other = EarlierVersion(demo);
                    editor.ReplaceDocument(
                        document.ReadContent(std::string_view(other.constData(), size_t(other.size()))),
                        QStringLiteral("Restore"));
                    break;
                }
                default:
                    if (editor.Stack()->canUndo() && random.bounded(2) == 0) editor.Undo();
                    else editor.Redo();
                }
            }
            // Some steps may stand undone: the state is that of the current step.
            const std::string edited = Rendering(document);
            QUndoStack* stack = editor.Stack();
            const int reached = stack->index();
            while (stack->canUndo()) stack->undo();
            QVERIFY2(Rendering(document) == original, qPrintable(QString::number(seed)));
            while (stack->index() < reached) stack->redo();
            QVERIFY2(Rendering(document) == edited, qPrintable(QString::number(seed)));
        }
    }

    // Typing is one step named after the field; Ctrl+Z in the very field
    // undoes it (not the field's own undo), and redo from another page
    // brings the unit back to the front, selected.
    void typingIsOneStepAndTheKeysWorkEverywhere() {
        EditorSession s(DemoRules());
        QVERIFY(s.started);
        ui::DocumentEditor& editor = s.windows.main.Editor();
        auto* pages = s.Find<QTabWidget>("PageControl");
        s.ClickTab("Units");
        s.ClickItem("OutUnit", 3);
        auto* attack = s.Find<QLineEdit>("AttackStength");
        const QString before = attack->text();
        const QString unit = s.Find<QListWidget>("OutUnit")->item(2)->text();
        s.TypeInto(attack, "17");
        QCOMPARE(editor.Stack()->count(), 1);
        QCOMPARE(editor.Stack()->undoText(), QStringLiteral("Attack of %1").arg(unit));
        auto* defense = s.Find<QLineEdit>("DefenseStrength");
        const QString defenseBefore = defense->text();
        s.TypeInto(defense, "13");
        QCOMPARE(editor.Stack()->count(), 2);

        // One key, one step: neither the field's own undo nor a second
        // handler of the key acts as well.
        QTest::keyClick(defense, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.Stack()->index(), 1);
        QCOMPARE(defense->text(), defenseBefore);
        QCOMPARE(attack->text(), QString("17"));
        QTest::keyClick(defense, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(attack->text(), before);
        QCOMPARE(editor.Document().Units().At(3).attack, before.toStdString());
        QVERIFY(!editor.Stack()->canUndo());

        s.ClickTab("About");
        QTest::keyClick(pages->tabBar(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(editor.Stack()->index(), 1);
        QCOMPARE(pages->currentWidget()->objectName(), QString("Units"));
        QCOMPARE(s.Find<QListWidget>("OutUnit")->currentRow(), 2);
        QCOMPARE(attack->text(), QString("17"));

        s.ClickItem("OutUnit", 1);
        QTest::keyClick(s.Find<QWidget>("OutUnit"), Qt::Key_Z,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(editor.Stack()->index(), 2);
        QCOMPARE(s.Find<QListWidget>("OutUnit")->currentRow(), 2);
        QCOMPARE(defense->text(), QString("13"));

        // Each click of a spinner arrow, the focus in the list, is a step.
        auto* up = s.Find<QWidget>("UpDown1")->findChild<QWidget*>("StepUp");
        QTest::mouseClick(up, Qt::LeftButton);
        QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(editor.Stack()->count(), 4);
        QVERIFY(editor.Stack()->undoText().startsWith("Moves of "));
    }

    // A cosmic value is a step like any field; undoing it from another page
    // brings the Cosmic page to the front with the field showing the old
    // value.
    void cosmicValuesAreStepsAndTheCheckFollows() {
        EditorSession s(DemoRules());
        QVERIFY(s.started);
        ui::DocumentEditor& editor = s.windows.main.Editor();
        auto* pages = s.Find<QTabWidget>("PageControl");
        const int check = pages->indexOf(s.Find<QWidget>("Check"));
        const QString calm = pages->tabText(check);
        s.ClickTab("Cosmic");
        auto* road = s.Find<QLineEdit>("RoadMove");
        const QString before = road->text();
        s.TypeInto(road, "35");
        QCOMPARE(editor.Document().Cosmic().Value(0), std::string("35"));
        s.ClickTab("Units");
        QTest::keyClick(s.Find<QWidget>("OutUnit"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pages->currentWidget()->objectName(), QString("Cosmic"));
        QCOMPARE(road->text(), before);
        QCOMPARE(pages->tabText(check), calm);
        // Undoing everything and saving writes what saving without edits writes.
        rules::RulesDocument untouched;
        const QByteArray demo = DemoRules();
        untouched.LoadBytes(std::string_view(demo.constData(), size_t(demo.size())),
                            rules::Language::English);
        untouched.Parse();
        QCOMPARE(s.Save().toStdString(), untouched.SaveToBytes());
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
