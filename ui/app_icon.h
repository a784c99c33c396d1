#pragma once

#include <QIcon>

namespace ui {

// The program's icon, drawn at start so no image file has to ship: a page of
// rules with a folded corner and a pen across it.
QIcon AppIcon();

}  // namespace ui
