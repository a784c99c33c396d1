// The Advances page, driven as a user drives it: browsing, walking the tree of
// prerequisites, editing, renaming, and what reaches the file on saving.
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "editor_session.h"
#include "ui/pages/advances_page.h"
#include "ui/widgets/advance_choice_box.h"
#include "ui/widgets/outline_list.h"
#include "ui/widgets/radio_group.h"

using namespace testing_support;

namespace {

// A chain Tidecraft <- Glass Lancing <- Mist Charting <- Moss Ledger, with
// Reed Knotting and Salt Singing beside it. Written in the spacing the editor
// writes, so an advance that is only looked at must come back byte for byte.
const QList<QByteArray> kChain = {
    "Reed Knotting, 3, -2, nil, no, 0, 1 ; Rkn",      // 1: "no" stays "no"
    "Tidecraft, 8, 1, nil, nil, 0, 3 ; Tdc",          // 2: named by 3 and 5
    "Glass Lancing, 5, 0, Tdc, Rkn, 3, 0 ; Gls",      // 3: named by 6 (prereq1) and 4 (prereq2)
    "Mist Charting, 4, -1, nil, Gls, 7, 2 ; Mch",     // 4: epoch beyond Modern
    "Salt Singing, 2, 2, Tdc, Qzz, -1, 4 ; Sls",      // 5: unknown prerequisite, no epoch
    "Moss Ledger, 6, 0, Gls, Mch, 1, 9 ; Mld",        // 6: allows nothing
};

QByteArray RulesWith(const QList<QByteArray>& advances) {
    QByteArray out = "; invented rules for the advances page\r\n@COSMIC\r\n";
    for (int k = 1; k <= 21; ++k) out += QByteArray::number(k) + "     ; constant " + QByteArray::number(k) + "\r\n";
    out += ";\r\n\r\n@CIVILIZE\r\n";
    for (const QByteArray& line : advances) out += line + "\r\n";
    out += ";\r\n\r\n@UNITS\r\n";
    out += "Mossrider,    Tdc, 0,  1.,0,   1a, 1d,  1h,1f, 1,0,  0, nil, 000000000000000\r\n";
    out += ";\r\n; the end\r\n";
    return out;
}

// The lines between "@CIVILIZE" and the ";" that ends the section.
QList<QByteArray> AdvanceLines(const QByteArray& file) {
    return EditorSession::SectionLines(file, "@CIVILIZE");
}

// The editor started on a rules file, with the Advances page in front.
struct Editor : EditorSession {
    explicit Editor(const QList<QByteArray>& advances) : EditorSession(RulesWith(advances)) {
        if (started) ClickTab("Advances");
    }

    ui::AdvancesPage* Page() { return Find<ui::AdvancesPage>("TabSheet1"); }
    ui::OutlineList* Outline() { return Find<ui::OutlineList>("OutAdvances"); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(name); }
    QComboBox* Box(const char* name) { return Find<QComboBox>(name); }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
    ui::RadioGroup* Group(const char* name) { return Find<ui::RadioGroup>(name); }
    const rules::AdvanceRecord& Advance(int number) { return windows.main.Document().Advances().At(number); }

    void Click(const char* button) { QTest::mouseClick(Button(button), Qt::LeftButton); }
    void ClickItem(int number) { EditorSession::ClickItem("OutAdvances", number); }
    void DoubleClickItem(int number) { EditorSession::DoubleClickItem("OutAdvances", number); }
    // Opens the box's list and clicks the item with that text.
    void Pick(const char* boxName, const QString& text) {
        QComboBox* box = Box(boxName);
        PickInCombo(box, box->findText(text, Qt::MatchExactly));
    }
    QString ShownEpoch() { return Checked("Epoch"); }
    QString ShownCategory() { return Checked("Category"); }
    QString Checked(const char* group) {
        for (QRadioButton* button : Group(group)->findChildren<QRadioButton*>()) {
            if (button->isChecked()) return button->text();
        }
        return "(none)";
    }

    QList<QByteArray> SaveAndReadAdvances() { return AdvanceLines(Save()); }
};

// Rename dialog answers.
ModalAnswerer::Action TypeNewNameAndOk(const QString& name) {
    return [name](QWidget* dialog) {
        auto* field = dialog->findChild<QLineEdit*>("NewName");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, name);
        QTest::keyClick(field, Qt::Key_Return);  // Enter in the field works "OK"
    };
}

}  // namespace

class AdvancesPageTest : public QObject {
    Q_OBJECT
private slots:
    void controlsAsDesigned() {
        ui::EditorWindows windows;
        auto* page = windows.main.findChild<ui::AdvancesPage*>("TabSheet1");
        QVERIFY(page);
        page->EnsureBuilt();
        const QList<std::pair<const char*, QRect>> places = {
            {"OutAdvances", {8, 8, 153, 497}}, {"AIvalue", {288, 16, 49, 21}},
            {"AImodif", {288, 40, 49, 21}},    {"PreBox1", {176, 80, 145, 21}},
            {"GOTO1", {328, 80, 209, 21}},     {"PreBox2", {176, 112, 145, 21}},
            {"GOTO2", {328, 112, 209, 21}},    {"GotoNext", {176, 144, 361, 21}},
            {"Epoch", {176, 176, 185, 105}},   {"Category", {376, 176, 161, 129}},
        };
        for (const auto& [name, place] : places) {
            QWidget* control = page->findChild<QWidget*>(name);
            QVERIFY2(control, name);
            QCOMPARE(control->geometry(), place);
        }
        // Labels start where designed and never clip their text.
        for (const char* name : {"Label19", "Label20", "Label21"}) {
            auto* label = page->findChild<QLabel*>(name);
            QVERIFY2(label, name);
            QVERIFY(label->width() >= label->sizeHint().width());
        }
        QCOMPARE(page->findChild<QLabel*>("Label19")->pos(), QPoint(176, 16));
        QCOMPARE(page->findChild<QLabel*>("Label21")->toolTip(),
                 QString("What you have to invent in order to have this advance available"));

        // Before anything is shown the controls hold their own names.
        QCOMPARE(page->findChild<QLineEdit*>("AIvalue")->text(), QString("AIvalue"));
        QCOMPARE(page->findChild<QComboBox*>("PreBox2")->currentText(), QString());
        QCOMPARE(page->findChild<QPushButton*>("GOTO1")->text(), QString("Go To"));
        QCOMPARE(page->findChild<QPushButton*>("GotoNext")->text(), QString("Goto Next"));
        auto* epoch = page->findChild<ui::RadioGroup*>("Epoch");
        auto* category = page->findChild<ui::RadioGroup*>("Category");
        QCOMPARE(epoch->title(), QString(" Epoch "));
        QCOMPARE(epoch->ItemCount(), 4);
        QCOMPARE(category->ItemCount(), 5);
        QCOMPARE(epoch->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(category->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::blue));
        QVERIFY(epoch->findChildren<QRadioButton*>().first()->palette().color(QPalette::Active, QPalette::WindowText) ==
                QColor(Qt::red));

        // Tab order: list, boxes, groups, edits, buttons.
        const QStringList expected = {"OutAdvances", "PreBox1", "PreBox2", "Epoch", "Category",
                                      "AIvalue",     "AImodif", "GOTO1",   "GOTO2", "GotoNext"};
        QStringList seen;
        QWidget* w = page->findChild<QWidget*>("OutAdvances");
        for (int guard = 0; guard < 100 && seen.size() < expected.size(); ++guard, w = w->nextInFocusChain()) {
            if (!(w->focusPolicy() & Qt::TabFocus)) continue;
            // Name of the control on the page that holds the focus stop.
            QWidget* owner = w;
            while (owner && owner->parentWidget() != page) owner = owner->parentWidget();
            if (owner && (seen.isEmpty() || seen.last() != owner->objectName())) seen << owner->objectName();
        }
        QCOMPARE(seen, expected);
    }

    void rightClickHelp() {
        Editor editor(kChain);
        QVERIFY(editor.started);
        ui::AdvancesPage* page = editor.Page();
        auto* valueMenu = page->findChild<QMenu*>("AIValuePopup1");
        auto* modifMenu = page->findChild<QMenu*>("AImodifPopup");
        QVERIFY(valueMenu && modifMenu);
        QCOMPARE(valueMenu->actions().size(), 1);
        QCOMPARE(valueMenu->actions().first()->text(),
                 QString("Basic value at which computer players views this advance."));
        QCOMPARE(modifMenu->actions().size(), 3);

        const QList<std::pair<const char*, QMenu*>> owners = {
            {"Label19", valueMenu}, {"AIvalue", valueMenu}, {"Label20", modifMenu}, {"AImodif", modifMenu}};
        for (const auto& [name, menu] : owners) {
            QWidget* owner = page->findChild<QWidget*>(name);
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), owner->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(owner, &event);
            QTRY_VERIFY2(menu->isVisible(), name);
            menu->close();
        }
        // Choosing an item changes nothing.
        modifMenu->actions().at(2)->trigger();
        valueMenu->actions().at(0)->trigger();
        QCOMPARE(editor.Edit("AImodif")->text(), QString("-2"));
        QCOMPARE(editor.SaveAndReadAdvances(), kChain);
    }

    // Forward with "Allow you to develop", back with the two "Go Back To"
    // buttons, and the arrow keys, through the chain.
    void walkTheChain() {
        Editor editor(kChain);
        QVERIFY(editor.started);
        QCOMPARE(editor.Page()->CurrentIndex(), 1);

        // 1 Reed Knotting: "nil" and "no" both show as "nil"; the buttons
        // keep their captions but cannot be used.
        QCOMPARE(editor.Box("PreBox1")->currentText(), QString("nil"));
        QCOMPARE(editor.Box("PreBox2")->currentText(), QString("nil"));
        QVERIFY(!editor.Button("GOTO1")->isEnabled());
        QVERIFY(!editor.Button("GOTO2")->isEnabled());
        QCOMPARE(editor.Button("GOTO1")->text(), QString("Go To"));
        QCOMPARE(editor.Edit("AIvalue")->text(), QString("3"));
        QCOMPARE(editor.Edit("AImodif")->text(), QString("-2"));
        QCOMPARE(editor.Button("GotoNext")->text(), QString("Allow you to develop Glass Lancing"));
        QVERIFY(editor.Button("GotoNext")->isEnabled());

        // Forward to 3 Glass Lancing: both prerequisites lead back.
        editor.Click("GotoNext");
        QCOMPARE(editor.Page()->CurrentIndex(), 3);
        QCOMPARE(editor.Outline()->SelectedItem(), 3);
        QCOMPARE(editor.Box("PreBox1")->currentText(), QString("Tidecraft"));
        QCOMPARE(editor.Button("GOTO1")->text(), QString("Go Back To Tidecraft"));
        QVERIFY(editor.Button("GOTO1")->isEnabled());
        QCOMPARE(editor.Button("GOTO2")->text(), QString("Go Back To Reed Knotting"));
        QCOMPARE(editor.ShownEpoch(), QString("Modern"));
        QCOMPARE(editor.ShownCategory(), QString("Military"));
        // Two advances name Glass Lancing: 4 (as its second prerequisite)
        // comes before 6 (as its first).
        QCOMPARE(editor.Button("GotoNext")->text(), QString("Allow you to develop Mist Charting"));
        QCOMPARE(editor.Page()->NextTargetAbbrev(), std::string("Mch"));

        // Forward to 4 Mist Charting: "nil" first prerequisite disables GOTO1
        // but leaves the caption of the advance shown before.
        editor.Click("GotoNext");
        QCOMPARE(editor.Page()->CurrentIndex(), 4);
        QVERIFY(!editor.Button("GOTO1")->isEnabled());
        QCOMPARE(editor.Button("GOTO1")->text(), QString("Go Back To Tidecraft"));
        QCOMPARE(editor.Button("GOTO2")->text(), QString("Go Back To Glass Lancing"));
        QCOMPARE(editor.ShownEpoch(), QString("Modern"));  // "7" is beyond the last item

        // Forward to 6 Moss Ledger, which allows nothing.
        editor.Click("GotoNext");
        QCOMPARE(editor.Page()->CurrentIndex(), 6);
        QVERIFY(!editor.Button("GotoNext")->isEnabled());
        QCOMPARE(editor.Button("GotoNext")->text(), QString("Allow you to develop nothing :)"));
        QVERIFY(editor.Page()->NextTargetAbbrev().empty());
        QCOMPARE(editor.ShownCategory(), QString("Applied"));  // "9" selects the last
        QCOMPARE(editor.ShownEpoch(), QString("Renaissance"));
        editor.Click("GotoNext");  // disabled: nothing happens
        QCOMPARE(editor.Page()->CurrentIndex(), 6);

        // Back: 6 -> 4 -> 3 -> 2, each showing its own targets afresh.
        editor.Click("GOTO2");
        QCOMPARE(editor.Page()->CurrentIndex(), 4);
        editor.Click("GOTO2");
        QCOMPARE(editor.Page()->CurrentIndex(), 3);
        editor.Click("GOTO1");
        QCOMPARE(editor.Page()->CurrentIndex(), 2);
        QCOMPARE(editor.Outline()->SelectedItem(), 2);
        QCOMPARE(editor.Button("GotoNext")->text(), QString("Allow you to develop Glass Lancing"));
        QCOMPARE(editor.ShownCategory(), QString("Academic"));

        // The arrow keys browse like clicks: 2 -> 3 -> 2.
        editor.Outline()->setFocus();
        QTest::keyClick(editor.Outline(), Qt::Key_Down);
        QCOMPARE(editor.Page()->CurrentIndex(), 3);
        QTest::keyClick(editor.Outline(), Qt::Key_Up);
        QCOMPARE(editor.Page()->CurrentIndex(), 2);

        // 5 Salt Singing: an abbreviation that no advance has shows as it
        // stands and cannot be followed; an epoch below 0 selects nothing.
        editor.ClickItem(5);
        QCOMPARE(editor.Page()->CurrentIndex(), 5);
        QCOMPARE(editor.Box("PreBox2")->currentText(), QString("Qzz"));
        QVERIFY(!editor.Button("GOTO2")->isEnabled());
        QVERIFY(editor.Button("GOTO1")->isEnabled());
        QCOMPARE(editor.ShownEpoch(), QString("(none)"));
        QCOMPARE(editor.Button("GotoNext")->text(), QString("Allow you to develop nothing :)"));

        // Leaving for another page and coming back shows advance 1 again.
        editor.ClickTab("Units");
        editor.ClickTab("Advances");
        QCOMPARE(editor.Page()->CurrentIndex(), 1);
        QCOMPARE(editor.Outline()->SelectedItem(), 1);
    }

    // Looking at every advance (and walking around) must not change one byte
    // of the advance lines: not "no", not an epoch the radio group cannot show.
    void showingChangesNothing() {
        Editor editor(kChain);
        QVERIFY(editor.started);
        for (int k = 1; k <= kChain.size(); ++k) editor.ClickItem(k);
        editor.ClickItem(3);
        editor.Click("GOTO1");
        editor.Click("GotoNext");
        QCOMPARE(editor.SaveAndReadAdvances(), kChain);
        QCOMPARE(editor.Advance(1).prereq2, std::string("no"));
        QCOMPARE(editor.Advance(4).epoch, std::string("7"));
    }

    void editsGoIntoTheAdvanceOnShow() {
        Editor editor(kChain);
        QVERIFY(editor.started);

        // Salt Singing: "nil" and then a name picked in PreBox2, whatever
        // PreBox1 holds; the Go-to buttons keep their state.
        editor.ClickItem(5);
        editor.Pick("PreBox2", "nil");
        QCOMPARE(editor.Advance(5).prereq2, std::string("nil"));
        editor.Pick("PreBox2", "Moss Ledger");
        QCOMPARE(editor.Advance(5).prereq2, std::string("Mld"));
        QCOMPARE(editor.Advance(5).prereq1, std::string("Tdc"));
        QVERIFY(!editor.Button("GOTO2")->isEnabled());

        // Typed text: a part of a name or an emptied box stores nothing; a
        // whole name stores its abbreviation.
        QLineEdit* typed = editor.Box("PreBox2")->lineEdit();
        editor.TypeInto(typed, "Ledger");
        QCOMPARE(editor.Advance(5).prereq2, std::string("Mld"));
        editor.TypeInto(typed, "");
        QCOMPARE(editor.Advance(5).prereq2, std::string("Mld"));
        editor.TypeInto(typed, "Reed Knotting");
        QCOMPARE(editor.Advance(5).prereq2, std::string("Rkn"));

        // The values: a whole number is stored; anything the Table page
        // would refuse is not, and the edit says why until it is left.
        editor.TypeInto(editor.Edit("AIvalue"), "12");
        QCOMPARE(editor.Advance(5).aiValue, std::string("12"));
        QTest::keyClicks(editor.Edit("AIvalue"), ",;");
        QCOMPARE(editor.Advance(5).aiValue, std::string("12"));
        QVERIFY(editor.Edit("AIvalue")->toolTip().contains("not a whole number"));
        editor.TypeInto(editor.Edit("AImodif"), "-3");
        QTest::keyClick(editor.Edit("AImodif"), Qt::Key_Semicolon);
        QCOMPARE(editor.Advance(5).modifier, std::string("-3"));
        QTest::keyClick(editor.Edit("AImodif"), Qt::Key_Tab);
        QCOMPARE(editor.Edit("AImodif")->text(), QString("-3"));

        // The radio groups store the index as decimal text.
        editor.ClickRadio("Epoch", "Industrial Revolution");
        QCOMPARE(editor.Advance(5).epoch, std::string("2"));
        editor.ClickRadio("Category", "Economic");
        QCOMPARE(editor.Advance(5).category, std::string("1"));

        // Glass Lancing: its box set to "nil" leaves GOTO1 enabled, but there
        // is nothing to go to any more.
        editor.ClickItem(3);
        editor.Pick("PreBox1", "nil");
        QCOMPARE(editor.Advance(3).prereq1, std::string("nil"));
        QVERIFY(editor.Button("GOTO1")->isEnabled());
        editor.Click("GOTO1");
        QCOMPARE(editor.Page()->CurrentIndex(), 3);

        // The edits of 5 belong to 5 only, and reach the file.
        QList<QByteArray> expected = kChain;
        expected[2] = "Glass Lancing, 5, 0, nil, Rkn, 3, 0 ; Gls";
        // Edited in place: the numbers that grew had no padding to take, the
        // epoch that shrank gives its room to the spaces in front.
        expected[4] = "Salt Singing, 12, -3, Tdc, Rkn,  2, 1 ; Sls";
        QCOMPARE(editor.SaveAndReadAdvances(), expected);
        QCOMPARE(editor.answers.Handled(), 0);
    }

    void renameReachesTheChoiceLists() {
        Editor editor(kChain);
        QVERIFY(editor.started);
        ui::RecordPage* page = editor.Page();

        // Enter in the list: the dialog shows the selected name; OK renames.
        editor.ClickItem(2);
        QString offered;
        editor.answers.Then([&offered](QWidget* dialog) {
            offered = dialog->findChild<QLineEdit*>("NewName")->text();
            TypeNewNameAndOk("Tidewright")(dialog);
        });
        editor.Outline()->setFocus();
        QTest::keyClick(editor.Outline(), Qt::Key_Return);
        QVERIFY(editor.answers.WaitDone());
        QCOMPARE(offered, QString("Tidecraft"));
        QCOMPARE(editor.Advance(2).name, std::string("Tidewright"));
        QCOMPARE(editor.Outline()->ItemText(2), QString("Tidewright"));
        // The choice lists offer the new name at once ...
        QCOMPARE(editor.Box("PreBox1")->itemText(2), QString("Tidewright"));
        QCOMPARE(editor.Box("PreBox2")->itemText(2), QString("Tidewright"));
        // ... and the captions use it the next time they are made.
        editor.Click("GotoNext");
        QCOMPARE(editor.Button("GOTO1")->text(), QString("Go Back To Tidewright"));
        QCOMPARE(editor.Box("PreBox1")->currentText(), QString("Tidewright"));
        // Picking the new name stores the advance's abbreviation.
        editor.Pick("PreBox2", "Tidewright");
        QCOMPARE(editor.Advance(3).prereq2, std::string("Tdc"));

        // Double-click, then Escape: nothing changes.
        editor.answers.Then(PressKey(Qt::Key_Escape));
        editor.DoubleClickItem(1);
        QVERIFY(editor.answers.WaitDone());
        QCOMPARE(editor.Advance(1).name, std::string("Reed Knotting"));

        // Typed a new name, then the close box: nothing changes either, even
        // right after an accepted rename.
        editor.answers.Then([](QWidget* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>("NewName"), " Twice");
            dialog->close();
        });
        editor.DoubleClickItem(1);
        QVERIFY(editor.answers.WaitDone());
        QCOMPARE(editor.Advance(1).name, std::string("Reed Knotting"));
        QCOMPARE(editor.Outline()->ItemText(1), QString("Reed Knotting"));

        // Names that would split the line when read again are refused with a
        // message, and the old name stays.
        for (const QString& bad : {QString("Reed, Knot"), QString("Reed; Knot"), QString("   ")}) {
            editor.answers.Then(TypeNewNameAndOk(bad));
            editor.answers.Then(ClickBoxButton(QMessageBox::Ok));
            editor.DoubleClickItem(1);
            QVERIFY(editor.answers.WaitDone());
            QCOMPARE(editor.Advance(1).name, std::string("Reed Knotting"));
            QCOMPARE(editor.Outline()->ItemText(1), QString("Reed Knotting"));
        }
        QCOMPARE(editor.answers.seenTexts.size(), 3);
        QVERIFY(editor.answers.seenTexts.first().contains("Reed, Knot"));
        QCOMPARE(page->CurrentIndex(), 1);

        QList<QByteArray> expected = kChain;
        expected[1] = "Tidewright, 8, 1, nil, nil, 0, 3 ; Tdc";
        expected[2] = "Glass Lancing, 5, 0, Tdc, Tdc, 3, 0 ; Gls";
        QCOMPARE(editor.SaveAndReadAdvances(), expected);
    }

    // A click on the advance already selected shows it again, so the Go-to
    // buttons catch up with a prerequisite just picked; a double-click below
    // the last item renames the selected advance.
    void clickOnTheSelectedAdvance() {
        Editor editor(kChain);
        QVERIFY(editor.started);
        editor.ClickItem(1);
        editor.Pick("PreBox1", "Tidecraft");
        QCOMPARE(editor.Advance(1).prereq1, std::string("Tdc"));
        QVERIFY(!editor.Button("GOTO1")->isEnabled());
        editor.ClickItem(1);
        QVERIFY(editor.Button("GOTO1")->isEnabled());
        QCOMPARE(editor.Button("GOTO1")->text(), QString("Go Back To Tidecraft"));
        // An abbreviation typed and left becomes the advance's name in the
        // box: that is a showing, and the Go-to button follows it. "no" is
        // taken too, and shows as "nil".
        QLineEdit* typed = editor.Box("PreBox2")->lineEdit();
        editor.TypeInto(typed, "Tdc");
        QTest::keyClick(typed, Qt::Key_Tab);
        QCOMPARE(editor.Advance(1).prereq2, std::string("Tdc"));
        QCOMPARE(editor.Box("PreBox2")->currentText(), QString("Tidecraft"));
        QVERIFY(editor.Button("GOTO2")->isEnabled());
        QCOMPARE(editor.Button("GOTO2")->text(), QString("Go Back To Tidecraft"));
        editor.TypeInto(typed, "no");
        QTest::keyClick(typed, Qt::Key_Tab);
        QCOMPARE(editor.Advance(1).prereq2, std::string("no"));
        QCOMPARE(editor.Box("PreBox2")->currentText(), QString("nil"));
        QVERIFY(!editor.Button("GOTO2")->isEnabled());

        QString offered;
        editor.answers.Then([&offered](QWidget* dialog) {
            offered = dialog->findChild<QLineEdit*>("NewName")->text();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QWidget* area = editor.Outline()->viewport();
        const QPoint below(20, area->height() - 5);
        QVERIFY(!editor.Outline()->itemAt(below));
        QTest::mouseDClick(area, Qt::LeftButton, {}, below);
        QVERIFY(editor.answers.WaitDone());
        QCOMPARE(offered, QString("Reed Knotting"));
        QVERIFY(editor.Outline()->item(0)->isSelected());
    }

    // What a prerequisite box shows and what the record holds agree: a typed
    // prefix stays as typed and stores nothing; a pick from the list always
    // stores, also of the item already shown.
    void boxAndRecordAgree() {
        QList<QByteArray> advances = kChain;
        advances << "Tidecraft, 1, 0, nil, nil, 0, 1 ; Td2"          // 7: a second Tidecraft
                 << "Fog Reading, 1, 0, Td2, nil, 0, 1 ; Fgr";       // 8: needs the second
        Editor editor(advances);
        QVERIFY(editor.started);
        editor.ClickItem(1);
        QLineEdit* typed = editor.Box("PreBox1")->lineEdit();
        editor.TypeInto(typed, "M");
        QCOMPARE(typed->text(), QString("M"));
        QCOMPARE(editor.Advance(1).prereq1, std::string("nil"));
        editor.TypeInto(typed, "moss Ledger");  // letter case counts
        QCOMPARE(editor.Advance(1).prereq1, std::string("nil"));
        editor.TypeInto(typed, "Moss Ledger");
        QCOMPARE(editor.Advance(1).prereq1, std::string("Mld"));

        // "nil" shown for a stored "no": picking "nil" stores "nil".
        QCOMPARE(editor.Box("PreBox2")->currentText(), QString("nil"));
        editor.Pick("PreBox2", "nil");
        QCOMPARE(editor.Advance(1).prereq2, std::string("nil"));

        // The box shows the name of the second Tidecraft; picking that name
        // stores the first one's abbreviation.
        editor.ClickItem(8);
        QCOMPARE(editor.Box("PreBox1")->currentText(), QString("Tidecraft"));
        editor.Pick("PreBox1", "Tidecraft");
        QCOMPARE(editor.Advance(8).prereq1, std::string("Tdc"));
    }

    // Text that names no advance is marked as not taken, says what stays
    // stored, and gives way to the stored choice when the user leaves it.
    void boxNeverShowsWhatItDidNotStore() {
        Editor editor(kChain);
        QVERIFY(editor.started);
        editor.ClickItem(3);  // Glass Lancing, prerequisite 1 Tidecraft
        auto* box = editor.Find<ui::AdvanceChoiceBox>("PreBox1");
        const QString ownToolTip = box->toolTip();
        editor.TypeInto(box->lineEdit(), "Tidecraftt");
        QCOMPARE(editor.Advance(3).prereq1, std::string("Tdc"));
        QVERIFY(box->NotTaken());
        QCOMPARE(box->toolTip(),
                 QString("No advance is named \"Tidecraftt\"; the prerequisite stays \"Tidecraft\"."));

        // A whole name is taken, and its list of matches does not stay open.
        editor.TypeInto(box->lineEdit(), "Salt Singing");
        QCOMPARE(editor.Advance(3).prereq1, std::string("Sls"));
        QVERIFY(!box->NotTaken());
        QCOMPARE(box->toolTip(), ownToolTip);
        QTRY_VERIFY(!box->completer()->popup()->isVisible());

        editor.TypeInto(box->lineEdit(), "");
        QVERIFY(box->NotTaken());
        QVERIFY(box->toolTip().endsWith("the prerequisite stays \"Salt Singing\"."));
        // The offscreen platform hands activation to the list of matches
        // when it opens and does not give it back when it closes.
        box->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(box->window()));
        editor.Edit("AIvalue")->setFocus();
        QTRY_COMPARE(box->currentText(), QString("Salt Singing"));
        QVERIFY(!box->NotTaken());
        QCOMPARE(editor.Advance(3).prereq1, std::string("Sls"));
    }

    // The click that activates the window can bring the page to the front
    // before the file is read: the first advance is shown once it is.
    void pageInFrontBeforeTheFileIsRead() {
        ScratchFolder folder;
        folder.Write("rules.txt", RulesWith(kChain));
        folder.Write("YARV.INI", SettingsFor("ENGLISH"));
        ModalAnswerer answers;
        ui::EditorWindows windows;
        auto* pages = windows.main.findChild<QTabWidget*>("PageControl");
        auto* page = windows.main.findChild<ui::AdvancesPage*>("TabSheet1");
        pages->setCurrentWidget(page);
        QCOMPARE(page->CurrentIndex(), 0);
        QVERIFY(StartEditor(windows, answers));
        QCOMPARE(page->CurrentIndex(), 1);
        QCOMPARE(page->findChild<QComboBox*>("PreBox2")->currentText(), QString("nil"));
        QCOMPARE(page->findChild<QComboBox*>("PreBox2")->count(), kChain.size() + 1);
        QCOMPARE(page->findChild<QPushButton*>("GotoNext")->text(),
                 QString("Allow you to develop Glass Lancing"));
    }

    // A file whose advances section has no advance: the page shows nothing,
    // and nothing the user does there reaches the file.
    void emptyAdvancesChangeNothing() {
        Editor editor({});
        QVERIFY(editor.started);
        QCOMPARE(editor.Outline()->ItemCount(), 0);
        QCOMPARE(editor.Page()->CurrentIndex(), 0);
        QCOMPARE(editor.Box("PreBox1")->count(), 1);  // "nil" alone
        QCOMPARE(editor.Edit("AIvalue")->text(), QString("AIvalue"));
        for (const char* name : {"AIvalue", "PreBox1", "Epoch", "GOTO1", "GotoNext"}) {
            QVERIFY2(!editor.Find<QWidget>(name)->isEnabled(), name);
        }
        editor.Click("GOTO1");
        editor.Click("GOTO2");
        editor.Click("GotoNext");
        editor.TypeInto(editor.Edit("AIvalue"), "9");
        editor.Pick("PreBox1", "nil");
        editor.ClickRadio("Epoch", "Modern");
        QTest::keyClick(editor.Outline(), Qt::Key_Return);  // no item: no dialog
        const QByteArray before = editor.folder.Read("rules.txt");
        QCOMPARE(editor.SaveAndReadAdvances(), QList<QByteArray>{});
        QCOMPARE(AdvanceLines(before), QList<QByteArray>{});
        QCOMPARE(editor.answers.Handled(), 0);
    }
};

QTEST_MAIN(AdvancesPageTest)
#include "advances_page_test.moc"
