#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace ui {

// Gives `control` the name a screen reader announces for it. An editable
// combo box takes the focus in its line edit, so that edit is named too.
void NameForScreenReaders(QWidget* control, const QString& name);

// Keeps the text of `edit` while it is disabled. The keyboard cannot reach a
// disabled field, but assistive technology can still set its text; a form
// that shows no record has nowhere to store it, and a field showing a value
// that was never stored would mislead.
void KeepTextWhileDisabled(QLineEdit* edit);

}  // namespace ui
