#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "editor_harness.h"

class QComboBox;
class QLineEdit;

namespace testing_support {

// One editor on its own scratch folder, started on the given "rules.txt" with
// no dialog (the settings file names English and switches the warning off),
// and the user's ways of working it.
class EditorSession {
public:
    // The tests reach controls by name whichever page is in front, so the
    // pages are made at once unless a test wants them made as the user
    // shows them.
    enum class Pages { MadeAtOnce, MadeWhenShown };
    explicit EditorSession(const QByteArray& rules, Pages pages = Pages::MadeAtOnce);

    template <typename T>
    T* Find(const char* name) const {
        T* widget = windows.main.findChild<T*>(QString::fromLatin1(name));
        if (!widget) qFatal("no control %s", name);
        return widget;
    }

    void ClickTab(const QString& caption) const;
    void ClickItem(const char* list, int number) const;
    // As the platform delivers it: press, release, double-click, release.
    void DoubleClickItem(const char* list, int number) const;
    // Replaces the text of an edit (or a combo box's edit) by typing.
    void TypeInto(QLineEdit* edit, const QString& text) const;
    // Opens the box's list and clicks item `row` (0 is "nil").
    void PickInCombo(QComboBox* box, int row) const;
    void ClickRadio(const char* group, const QString& item) const;
    // Clicks "Save Changes" and returns the file as saved.
    QByteArray Save() const;

    // The lines between a section's header and its ";" line.
    static QList<QByteArray> SectionLines(const QByteArray& file, const QByteArray& header);

    ScratchFolder folder;
    ModalAnswerer answers;
    ui::EditorWindows windows;
    bool started = false;
};

}  // namespace testing_support
