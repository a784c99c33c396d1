#pragma once

class QWidget;

namespace ui {

// Centres a top-level window on the screen it is on (or the primary screen).
void CentreOnScreen(QWidget* window);
// Puts a tool window just right of `window` where the screen has room for
// it; elsewhere it stays where the desktop puts it.
void PlaceBesideWindow(QWidget* tool, const QWidget* window);

}  // namespace ui
