#pragma once

#include <QRect>

// The main window's stored geometry moved so that it stays reachable inside the desktop work area:
// at least 16 pixels of it inside the right, bottom and left edges, and its top not above the area.
QRect KeepReachable(const QRect& window, const QRect& workArea);

// The main window's place on a first start (no stored geometry): large enough for `content` and at
// least `defaultSize`, but at most 90 % of the work area in each direction, centred in it.
QRect FirstWindowFrame(QSize content, QSize defaultSize, const QRect& workArea);
