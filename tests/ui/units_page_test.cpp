// The Units page, driven as a user drives it: browse the units, change their
// values, flags and advances, rename them, and check what Save Changes writes.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "editor_session.h"
#include "rules/document/unit_table.h"
#include "ui/pages/units_page.h"

using namespace testing_support;

namespace {

// Advances shared by every test file. Two are named "Tidecraft" and two have
// the abbreviation "Kln": the first of each pair is the one that counts.
const QList<QByteArray> kAdvances = {
    "Tidecraft,      8, -1, nil, nil, 0, 1 ; Tdc",
    "Kiln Firing,    8,  1, nil, nil, 0, 3 ; Kln",
    "Reed Weaving,   3, -2, nil, no,  0, 1 ; Rdw",
    "Tidecraft,      5,  0, Tdc, nil, 1, 1 ; Twn",
    "Glassblowing,   6,  0, Kln, nil, 1, 4 ; Kln",
};

const QList<QByteArray> kUnits = {
    "Mossrider,  no, 0,2.,0,  1a,1d,  1h,1f,2,0,  5, Xyz,  000000000000001",
    "Glass Lancer,Tdc,2,3.,0,4a,2d,1h,1f,4,0,0,Kln,100000000000010",
    "Bog Stalker,nil,7,20.,0,1a,1d,10h,5f,1,0,12,Rdw,000000020000000",
    "Reed Skiff,Twn,1,1.,0,0a,1d,1h,1f,3,2,4,nil,101",
};

// A unit only looked at keeps its line byte for byte.
const QByteArray kMossriderAsRead = kUnits.first();

QByteArray RulesFile(const QList<QByteArray>& units) {
    QByteArray out = "; invented rules for the units page tests\r\n@COSMIC\r\n";
    for (int k = 1; k <= 21; ++k) out += QByteArray::number(k) + "     ; value " + QByteArray::number(k) + "\r\n";
    out += ";\r\n\r\n@CIVILIZE\r\n";
    for (const QByteArray& line : kAdvances) out += line + "\r\n";
    out += ";\r\n\r\n@UNITS\r\n";
    for (const QByteArray& line : units) out += line + "\r\n";
    out += ";\r\n\r\n; a remark after the units\r\n";
    return out;
}

// One editor session on its own scratch folder, started without dialogs.
struct Session : EditorSession {
    explicit Session(const QList<QByteArray>& units = kUnits) : EditorSession(RulesFile(units)) {}

    ui::UnitsPage* Page() const { return Find<ui::UnitsPage>("Units"); }
    QListWidget* List() const { return Find<QListWidget>("OutUnit"); }
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
    QCheckBox* Box(int k) const {
        return Find<QCheckBox>(QStringLiteral("CheckBox%1").arg(k).toLatin1().constData());
    }

    void ClickUnit(int number) const { ClickItem("OutUnit", number); }
    void TypeInto(const char* name, const QString& text) const { EditorSession::TypeInto(Edit(name), text); }
    void Spin(int upDown, bool up, int times = 1) const {
        auto* spinner = Find<QWidget>(QStringLiteral("UpDown%1").arg(upDown).toLatin1().constData());
        auto* arrow = spinner->findChild<QToolButton*>(up ? "StepUp" : "StepDown");
        for (int i = 0; i < times; ++i) QTest::mouseClick(arrow, Qt::LeftButton);
    }
    void ClickBox(int k) const {
        QCheckBox* box = Box(k);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    void TypeIntoCombo(const char* name, const QString& text) const {
        EditorSession::TypeInto(Combo(name)->lineEdit(), text);
    }
    void PickInCombo(const char* name, int item) const { EditorSession::PickInCombo(Combo(name), item); }

    // The lines of the units section, as saved.
    QList<QByteArray> SavedUnits() const { return SectionLines(Save(), "@UNITS"); }
    const rules::UnitRecord& Unit(int number) const {
        return windows.main.Document().Units().At(number);
    }
};

// Answers the rename dialog: puts `name` into its field and presses Enter there.
ModalAnswerer::Action TypeNewName(const QString& name) {
    return [name](QWidget* modal) {
        auto* field = modal->findChild<QLineEdit*>("NewName");
        field->setFocus();
        field->setText(name);
        QTest::keyClick(field, Qt::Key_Return);
    };
}

bool Checked(const Session& s, int k) { return s.Box(k)->isChecked(); }

}  // namespace

class UnitsPageTest : public QObject {
    Q_OBJECT
private slots:
    void controlsStartWithTheirTextsAndPlaces() {
        ui::EditorWindows windows;
        windows.main.BuildPages();
        auto* page = windows.main.findChild<QWidget*>("Units");
        auto edit = [&](const char* name) { return page->findChild<QLineEdit*>(name); };
        QCOMPARE(page->findChild<QWidget*>("OutUnit")->geometry(), QRect(8, 8, 153, 505));
        QCOMPARE(edit("MovesInARound")->text(), QString("1"));
        QCOMPARE(edit("AttackStength")->geometry(), QRect(304, 72, 33, 21));
        QCOMPARE(edit("HoldShip")->text(), QString("0"));
        // With nothing loaded the advance boxes show nothing, not their names.
        QCOMPARE(page->findChild<QComboBox*>("GetObsolete")->currentText(), QString());
        QCOMPARE(page->findChild<QComboBox*>("Prerequisite")->currentText(), QString());
        QCOMPARE(page->findChild<QLabel*>("Label7")->toolTip(), QString("Amount of dommage the unit can take"));
        // Spinners sit right of their edits; the first eight boxes lie on the
        // page over the group, the other seven inside it.
        QCOMPARE(page->findChild<QWidget*>("UpDown6")->geometry(), QRect(513, 72, 12, 21));
        auto* group = page->findChild<QGroupBox*>("GroupBox1");
        QCOMPARE(page->findChild<QCheckBox*>("CheckBox8")->parentWidget(), page);
        QCOMPARE(page->findChild<QCheckBox*>("CheckBox8")->pos(), QPoint(176, 488));
        QCOMPARE(page->findChild<QCheckBox*>("CheckBox15")->parentWidget(), group);
        QCOMPARE(page->findChild<QCheckBox*>("CheckBox15")->pos(), QPoint(216, 168));
        QCOMPARE(page->findChild<QCheckBox*>("CheckBox1")->text(), QString("Two space visibility"));
    }

    void showingAUnitFillsTheFormAndChangesNothing() {
        Session s;
        QVERIFY(s.started);
        const QByteArray untouched = s.Save();
        QCOMPARE(s.SavedUnits().first(), kMossriderAsRead);

        s.ClickTab("Units");
        QCOMPARE(s.Page()->CurrentIndex(), 1);
        QCOMPARE(s.Edit("MovesInARound")->text(), QString("2"));
        QCOMPARE(s.Edit("ShieldCost")->text(), QString("2"));
        QVERIFY(s.Find<QGroupBox>("DomainOfActivity")->findChildren<QRadioButton*>()[0]->isChecked());
        QCOMPARE(s.Combo("GetObsolete")->currentText(), QString("nil"));      // "no"
        QCOMPARE(s.Combo("Prerequisite")->currentText(), QString("Xyz"));     // no such advance
        QVERIFY(Checked(s, 1));
        for (int k = 2; k <= 15; ++k) QVERIFY(!Checked(s, k));

        // Down arrow browses like a click; clamped radio indexes show the last item.
        s.List()->setFocus();
        QTest::keyClick(s.List(), Qt::Key_Down);
        QCOMPARE(s.Page()->CurrentIndex(), 2);
        QCOMPARE(s.Combo("GetObsolete")->currentText(), QString("Tidecraft"));
        QCOMPARE(s.Combo("Prerequisite")->currentText(), QString("Kiln Firing"));  // first "Kln"
        s.ClickUnit(3);
        QCOMPARE(s.Edit("MovesInARound")->text(), QString("20"));
        auto radios = [&](const char* g) { return s.Find<QGroupBox>(g)->findChildren<QRadioButton*>(); };
        QVERIFY(radios("DomainOfActivity")[2]->isChecked());  // domain 7
        QVERIFY(radios("UnitRole")[7]->isChecked());          // role 12
        QTest::keyClick(s.List(), Qt::Key_Down);
        QCOMPARE(s.Combo("GetObsolete")->currentText(), QString("Tidecraft"));  // "Twn", the second one
        QVERIFY(Checked(s, 1) && !Checked(s, 2) && Checked(s, 3));              // short flags "101"
        QTest::keyClick(s.List(), Qt::Key_Up);

        // Every unit was shown; none was changed.
        QCOMPARE(s.Save(), untouched);
    }

    void editsAndSpinnersStoreWhatTheyShow() {
        Session s;
        QVERIFY(s.started);
        s.ClickTab("Units");
        s.ClickUnit(2);

        // What the Table page would refuse is not stored: the edit is tinted
        // with the reason, and leaving it shows the stored value again.
        s.TypeInto("AttackStength", "7x");  // "7" is taken, "7x" is not
        QCOMPARE(s.Unit(2).attack, std::string("7"));
        QVERIFY(s.Edit("AttackStength")->toolTip().contains("not a whole number"));
        QTest::keyClick(s.Edit("AttackStength"), Qt::Key_Tab);
        QCOMPARE(s.Edit("AttackStength")->text(), QString("7"));
        s.TypeInto("DefenseStrength", "1,2");
        QVERIFY(s.Unit(2).defense != "1,2");
        s.TypeInto("DefenseStrength", "12");
        s.TypeInto("HoldShip", "3");
        QTest::sendKeyEvent(QTest::Click, s.Edit("HoldShip"), Qt::Key_unknown,
                            QString::fromUtf8("\u03a9"), Qt::NoModifier);
        QCOMPARE(s.Unit(2).hold, std::string("3"));
        QVERIFY(s.Edit("HoldShip")->toolTip().contains("Windows-1252"));

        // Moves wrap around both ways; the other spinners stop at their limits.
        s.Spin(1, true, 17);  // 3 -> 20
        QCOMPARE(s.Edit("MovesInARound")->text(), QString("20"));
        s.Spin(1, true);
        QCOMPARE(s.Unit(2).moves, std::string("1"));
        s.Spin(1, false);
        QCOMPARE(s.Unit(2).moves, std::string("20"));
        s.Spin(4, true, 12);  // hit points 1 .. 10
        QCOMPARE(s.Unit(2).hitPoints, std::string("10"));
        s.Spin(7, false, 3);  // fire power stops at 1
        QCOMPARE(s.Unit(2).firepower, std::string("1"));
        s.Spin(2, false);     // rounds already at 0
        QCOMPARE(s.Unit(2).rounds, std::string("0"));
        s.Spin(5, true);      // cost 4 -> 5
        QCOMPARE(s.Unit(2).cost, std::string("5"));
        s.Edit("RoundsInFlight")->setFocus();
        QTest::keyClick(s.Edit("RoundsInFlight"), Qt::Key_Up);  // the Up key steps too
        QCOMPARE(s.Unit(2).rounds, std::string("1"));

        const QList<QByteArray> saved = s.SavedUnits();
        QCOMPARE(saved[1], QByteArray("Glass Lancer,Tdc,2,20.,1,7a,12d,10h,1f,5,3,0,Kln,100000000000010"));
        QCOMPARE(saved[0], kMossriderAsRead);
    }

    void radiosAndCheckBoxesWriteTheirCharacters() {
        Session s;
        QVERIFY(s.started);
        s.ClickTab("Units");
        s.ClickUnit(2);  // domain 2, flags "100000000000010"
        QVERIFY(Checked(s, 2) && Checked(s, 15));
        for (int k : {1, 3, 8, 14}) QVERIFY(!Checked(s, k));
        s.ClickRadio("DomainOfActivity", "Air");
        s.ClickRadio("UnitRole", "Trade");
        QCOMPARE(s.Unit(2).domain, std::string("1"));
        QCOMPARE(s.Unit(2).role, std::string("7"));

        // Each box k sets character 16 - k, and only that one.
        for (int k = 1; k <= 15; ++k) {
            std::string expected = s.Unit(2).flags;
            const bool was = Checked(s, k);
            s.ClickBox(k);
            expected[size_t(15 - k)] = was ? '0' : '1';
            QCOMPARE(s.Unit(2).flags, expected);
            s.ClickBox(k);
        }
        QCOMPARE(s.Unit(2).flags, std::string("100000000000010"));

        s.ClickUnit(1);
        s.ClickBox(15);
        QCOMPARE(s.Unit(1).flags, std::string("100000000000001"));
        s.ClickUnit(3);  // a "2" shows unchecked; checking and unchecking leaves "0"
        QVERIFY(!Checked(s, 8));
        s.ClickBox(8);
        s.ClickBox(8);
        QCOMPARE(s.Unit(3).flags, std::string("000000000000000"));
        s.ClickUnit(4);  // short flags are padded on the left when first written
        s.ClickBox(2);
        QCOMPARE(s.Unit(4).flags, std::string("000000000000111"));

        const QList<QByteArray> saved = s.SavedUnits();
        QCOMPARE(saved[1], QByteArray("Glass Lancer,Tdc,1,3.,0,4a,2d,1h,1f,4,0,7,Kln,100000000000010"));
        QCOMPARE(saved[3], QByteArray("Reed Skiff,Twn,1,1.,0,0a,1d,1h,1f,3,2,4,nil,000000000000111"));
    }

    void comboBoxesTurnNamesIntoAbbreviations() {
        Session s;
        QVERIFY(s.started);
        s.ClickTab("Units");
        QCOMPARE(s.Combo("GetObsolete")->count(), 6);  // "nil" and five names
        QCOMPARE(s.Combo("Prerequisite")->itemText(0), QString("nil"));

        // Picking from the list; the second "Tidecraft" stores the first one's abbreviation.
        s.PickInCombo("GetObsolete", 5);
        QCOMPARE(s.Unit(1).obsoleteBy, std::string("Kln"));
        s.PickInCombo("GetObsolete", 4);
        QCOMPARE(s.Unit(1).obsoleteBy, std::string("Tdc"));
        s.PickInCombo("Prerequisite", 0);
        QCOMPARE(s.Unit(1).prereq, std::string("nil"));

        // Typing: a text that names nothing leaves the field as it was.
        s.TypeIntoCombo("Prerequisite", "Reed Weaving");
        QCOMPARE(s.Unit(1).prereq, std::string("Rdw"));
        s.TypeIntoCombo("Prerequisite", "Zq");
        QCOMPARE(s.Unit(1).prereq, std::string("Rdw"));
        s.TypeIntoCombo("Prerequisite", "");
        QCOMPARE(s.Unit(1).prereq, std::string("Rdw"));

        // An unknown abbreviation stays until the user picks something.
        s.ClickUnit(4);
        s.ClickUnit(1);
        QCOMPARE(s.Combo("Prerequisite")->currentText(), QString("Reed Weaving"));
        QCOMPARE(s.SavedUnits()[0],
                 QByteArray("Mossrider,  Tdc, 0,2.,0,  1a,1d,  1h,1f,2,0,  5, Rdw,  000000000000001"));
    }

    void renameByDoubleClickOrEnter() {
        Session s;
        QVERIFY(s.started);
        s.ClickTab("Units");
        s.ClickUnit(3);

        s.answers.Then(TypeNewName("Heavy Mossrider"));
        QListWidget* list = s.List();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        QVERIFY(s.answers.WaitDone());
        QCOMPARE(list->item(2)->text(), QString("Heavy Mossrider"));

        // Escape, the close box and a refused name change nothing.
        s.answers.Then(PressKey(Qt::Key_Escape));
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(s.answers.WaitDone());
        s.answers.Then([](QWidget* modal) {
            modal->findChild<QLineEdit*>("NewName")->setText("Other");
            modal->close();
        });
        QTest::keyClick(list, Qt::Key_Enter);
        QVERIFY(s.answers.WaitDone());
        s.answers.Then(TypeNewName("Mire, Walker"));
        s.answers.Then(ClickBoxButton(QMessageBox::Ok));
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(s.answers.WaitDone());
        QVERIFY(s.answers.seenTexts.last().contains("Heavy Mossrider"));
        s.answers.Then(TypeNewName("   "));
        s.answers.Then(ClickBoxButton(QMessageBox::Ok));
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(s.answers.WaitDone());
        QCOMPARE(list->item(2)->text(), QString("Heavy Mossrider"));

        // Enter in the list renames the selected unit; only its name changes.
        QTest::keyClick(list, Qt::Key_Up);
        s.answers.Then(TypeNewName(QString::fromUtf8("Glass L\u00e4ncer")));
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(s.answers.WaitDone());

        const QList<QByteArray> saved = s.SavedUnits();
        QCOMPARE(saved[2], QByteArray("Heavy Mossrider,nil,7,20.,0,1a,1d,10h,5f,1,0,12,Rdw,000000020000000"));
        QCOMPARE(saved[1], QByteArray("Glass L\xe4ncer,Tdc,2,3.,0,4a,2d,1h,1f,4,0,0,Kln,100000000000010"));
    }

    void enteringThePageShowsTheFirstUnit() {
        Session s;
        QVERIFY(s.started);
        s.ClickTab("Units");
        s.ClickUnit(3);
        QCOMPARE(s.Page()->CurrentIndex(), 3);
        s.ClickTab("About");
        s.ClickTab("Units");
        QCOMPARE(s.Page()->CurrentIndex(), 1);
        QCOMPARE(s.List()->currentRow(), 0);
        QCOMPARE(s.Edit("MovesInARound")->text(), QString("2"));
        // The next edit belongs to the first unit.
        s.TypeInto("ShieldCost", "9");
        QCOMPARE(s.Unit(1).cost, std::string("9"));
        QCOMPARE(s.Unit(3).cost, std::string("1"));
    }

    void anEmptyUnitListChangesNothing() {
        Session s(QList<QByteArray>{});
        QVERIFY(s.started);
        const QByteArray before = s.Save();
        s.ClickTab("Units");
        QCOMPARE(s.Page()->CurrentIndex(), 0);
        QCOMPARE(s.List()->count(), 0);
        QVERIFY(!s.Edit("MovesInARound")->isEnabled());
        QVERIFY(!s.Box(1)->isEnabled());
        QTest::keyClick(s.List(), Qt::Key_Return);  // nothing to rename: no dialog
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(s.Save(), before);
    }
};

QTEST_MAIN(UnitsPageTest)
#include "units_page_test.moc"
