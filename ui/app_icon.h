#pragma once

#include <QIcon>

class QPainter;

namespace ui {

// Paints the icon's design into the square (0, 0, size, size) of any paint
// device: the window icon, and the PNG and SVG files the install ships, all
// come from this one drawing.
void PaintAppIcon(QPainter& painter, int size);

// The program's icon, drawn when shown so no image file has to ship: a page of
// rules with a folded corner and a pen across it.
QIcon AppIcon();

}  // namespace ui
