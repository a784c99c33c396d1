#pragma once

#include <QSettings>

namespace ui {

// What the editor remembers between runs (the last game folder, the kinds of
// warnings hidden on the Check page). Named for the program rather than its
// display title, so the file is easy to find:
// ~/.config/ovantra-rules-editor/ovantra-rules-editor.conf.
QSettings RememberedSettings();

}  // namespace ui
