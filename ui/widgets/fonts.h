#pragma once

#include <QFont>

namespace ui {

// Maps the two face names the windows are designed with onto close free
// fonts, so the layout keeps its proportions where the originals are absent.
void InstallFontSubstitutions();

// Fonts by pixel height, as the window layout is designed at 96 DPI.
QFont SansFont(int pixelSize = 11);
QFont ComicFont(int pixelSize);

}  // namespace ui
