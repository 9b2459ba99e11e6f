#include "app/qt/WindowPlacement.h"

QRect KeepReachable(const QRect& window, const QRect& workArea) {
    constexpr int kReach = 16;
    // Right and bottom edges as the work area's exclusive ends.
    const int areaRight = workArea.x() + workArea.width();
    const int areaBottom = workArea.y() + workArea.height();
    int left = window.x();
    int top = window.y();
    if (left > areaRight - kReach) {
        left = areaRight - kReach;
    }
    if (top > areaBottom - kReach) {
        top = areaBottom - kReach;
    }
    if (left + window.width() < workArea.x() + kReach) {
        left = workArea.x() + kReach - window.width();
    }
    if (top < workArea.y()) {
        top = workArea.y();
    }
    return {left, top, window.width(), window.height()};
}

QRect FirstWindowFrame(QSize content, QSize defaultSize, const QRect& workArea) {
    const QSize most(workArea.width() * 9 / 10, workArea.height() * 9 / 10);
    const QSize size = content.expandedTo(defaultSize).boundedTo(most);
    QRect frame(QPoint(), size);
    frame.moveCenter(workArea.center());
    return frame;
}
