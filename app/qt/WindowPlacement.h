#pragma once

#include <QRect>

// The main window's stored geometry moved so that it stays reachable inside the desktop work area:
// at least 16 pixels of it inside the right, bottom and left edges, and its top not above the area.
QRect KeepReachable(const QRect& window, const QRect& workArea);
