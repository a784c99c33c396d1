#include "editor_session.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace testing_support {

EditorSession::EditorSession(const QByteArray& rules, Pages pages) {
    // The folder became the working directory first of all; the windows read
    // nothing before they start.
    folder.Write("rules.txt", rules);
    folder.Write("YARV.INI", SettingsFor("ENGLISH"));
    started = StartEditor(windows, answers);
    if (pages == Pages::MadeAtOnce) windows.main.BuildPages();
}

void EditorSession::ClickTab(const QString& caption) const {
    QTabBar* bar = Find<QTabWidget>("PageControl")->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        if (bar->tabText(i) == caption) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
        }
    }
}

void EditorSession::ClickItem(const char* list, int number) const {
    auto* view = Find<QListWidget>(list);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualItemRect(view->item(number - 1)).center());
}

void EditorSession::DoubleClickItem(const char* list, int number) const {
    auto* view = Find<QListWidget>(list);
    const QPoint at = view->visualItemRect(view->item(number - 1)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

void EditorSession::TypeInto(QLineEdit* edit, const QString& text) const {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void EditorSession::PickInCombo(QComboBox* box, int row) const {
    box->showPopup();
    QAbstractItemView* view = box->view();
    if (!QTest::qWaitForWindowExposed(view->window())) qFatal("combo list did not open");
    const QModelIndex index = view->model()->index(row, 0);
    if (!index.isValid()) qFatal("no item %d in %s", row, qPrintable(box->objectName()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    if (!QTest::qWaitFor([view] { return !view->isVisible(); })) qFatal("combo list stayed open");
}

void EditorSession::ClickRadio(const char* group, const QString& item) const {
    for (QRadioButton* radio : Find<QGroupBox>(group)->findChildren<QRadioButton*>()) {
        if (radio->text() == item) {
            QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
        }
    }
}

QByteArray EditorSession::Save() const {
    QTest::mouseClick(Find<QPushButton>("SaveChanges"), Qt::LeftButton);
    return folder.Read("rules.txt");
}

QList<QByteArray> EditorSession::SectionLines(const QByteArray& file, const QByteArray& header) {
    QList<QByteArray> out;
    bool inside = false;
    for (QByteArray line : file.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        if (inside && line == ";") break;
        if (inside) out << line;
        if (line == header) inside = true;
    }
    return out;
}

}  // namespace testing_support
