#pragma once

#include <QString>

class QWidget;

namespace ui {

// Tints a control whose text is not taken and puts the reason in its tool
// tip; an empty `problem` gives the control back its own look and tip.
void ShowRefusal(QWidget* control, const QString& problem);
bool ShowsRefusal(const QWidget* control);

}  // namespace ui
