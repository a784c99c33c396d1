#pragma once

#include <QString>

namespace ui {

// Asks for the game's folder with the desktop's folder dialog, starting at
// `start` or, when that is empty, at the folder chosen last time. Returns the
// folder chosen (and remembers it for next time), or an empty text on Cancel.
QString ChooseGameFolder(const QString& start);

}  // namespace ui
