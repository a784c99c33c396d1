#pragma once

class QWidget;

namespace ui {

// The descriptive text boxes are disabled so that they take no focus and no
// input, but their text is meant to be read: keep it dark instead of the
// faint grey of a disabled control.
void KeepDisabledTextReadable(QWidget* widget);

}  // namespace ui
