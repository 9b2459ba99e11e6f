#include "ui/CentreOver.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ui {

void CentreOver(QWidget& window, const QWidget* owner) {
    QRect frame(QPoint(0, 0), window.size());
    QScreen* screen = owner != nullptr ? owner->screen() : window.screen();
    if (owner != nullptr) {
        frame.moveCenter(owner->frameGeometry().center());
    }
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        frame.moveRight(std::min(frame.right(), area.right()));
        frame.moveBottom(std::min(frame.bottom(), area.bottom()));
        frame.moveLeft(std::max(frame.left(), area.left()));
        frame.moveTop(std::max(frame.top(), area.top()));
    }
    window.move(frame.topLeft());
}

} // namespace ui
