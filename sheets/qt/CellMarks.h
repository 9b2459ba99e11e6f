#pragma once

#include <QColor>
#include <QPoint>

class QPainter;

// The warning and caution marks as vector shapes of size W × W, so they print sharp at any resolution
// and the screen's images can be drawn from the same shapes.
namespace CellMarks {

// A filled cross: the 12-point polygon (e,0), (f,f−e), (g−e,0), (g,e), (f+e,f), (g,g−e), (g−e,g),
// (f,f+e), (e,g), (0,g−e), (f−e,f), (0,e) with e = W/8, f = W/2, g = W − 1, moved to `topLeft`.
void DrawWarning(QPainter& painter, QPoint topLeft, int size, const QColor& fill);

// A triangle (f,0), (g,g), (0,g) filled with `fill` and outlined with a pen of width W/16 + 1, with an
// exclamation bar and dot in `ink`, moved to `topLeft`.
void DrawCaution(QPainter& painter, QPoint topLeft, int size, const QColor& fill, const QColor& ink);

} // namespace CellMarks
