#pragma once

#include <QFont>

namespace brovik::app {

// The window's font: Tahoma, 11 pixels (8 points at the design's 96 dpi, whatever the
// screen's), Liberation Sans where there is no Tahoma.
QFont windowFont();

// `font` in bold. Wine's Tahoma (fonts-wine) has a regular face only; a bold drawn from it
// keeps the regular widths, so bold captions then take Liberation Sans Bold.
QFont boldOf(QFont font);

// Loads Wine's Tahoma when it is installed; fontconfig does not list it.
void loadTahoma();

}  // namespace brovik::app
