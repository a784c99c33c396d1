#pragma once

class QWidget;

namespace ui {

// Centres a top-level window on the screen it is on (or the primary screen).
void CentreOnScreen(QWidget* window);

}  // namespace ui
