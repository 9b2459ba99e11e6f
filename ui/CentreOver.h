#pragma once

class QWidget;

namespace ui {

// Moves `window` so that it is centred over `owner` (where there is one) and lies wholly inside the
// work area of the owner's screen (or its own).
void CentreOver(QWidget& window, const QWidget* owner);

} // namespace ui
