#pragma once

#include <QString>

class QObject;
class QWidget;

namespace ui {

// An English text of the editor, kept with the context it is translated in,
// so that a control can show it again in whatever language is chosen later.
struct Caption {
    const char* context;
    const char* source;  // English, as the user sees it when no language is loaded
    QString Text() const;
};

// A caption written in a member function of a Q_OBJECT class, translated in
// that class's context: what tr() would give, but kept for later. lupdate
// reads it as QT_TR_NOOP (see ui/CMakeLists.txt).
#define UI_TEXT(text) (::ui::Caption{staticMetaObject.className(), text})

// Sets the property `property` ("text", "title", "toolTip", "placeholderText",
// "windowTitle") of `widget` to `caption` now, and again in the new language
// whenever the language changes. A label made by MakeLabel keeps fitting its
// text.
void BindText(QWidget* widget, const char* property, Caption caption);
// The same for an object that hears of no language change by itself (an
// action): `host`, a widget that lives as long, retitles it.
void BindText(QWidget* host, QObject* target, const char* property, Caption caption);

}  // namespace ui
