#include "sheets/qt/cuiFlector.h"

#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "sheets/PopupPlacement.h"
#include "sheets/qt/cuiGrid.h"
#include "sheets/qt/cuiSheet.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

namespace {

SheetRect ToSheetRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

} // namespace

cuiFlector::cuiFlector(SheetEnv& env, QWidget* window, const cmcCellCapsule& opener)
    : QObject(window), m_env(env), m_window(window), m_owner(opener.Owner), m_opener(opener) {
    if (opener.CellRect != nullptr) {
        m_cellRect = *opener.CellRect;
    }
    m_opener.CellRect = &m_cellRect;
    m_env.events.Register(&cuiFlector::OnEvent, this);
}

cuiFlector::~cuiFlector() {
    Unregister();
}

void cuiFlector::Unregister() {
    if (m_registered) {
        m_registered = false;
        m_env.events.Unregister(&cuiFlector::OnEvent, this);
    }
}

cuiFlector* cuiFlector::Create(SheetEnv& env,
                               const cmcCellCapsule& opener,
                               std::int32_t initialKind,
                               std::int32_t initialIndex,
                               const std::string& key) {
    auto* window = new QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* column = new QVBoxLayout(window);
    column->setContentsMargins(0, 0, 0, 0);
    auto* flector = new cuiFlector(env, window, opener);
    flector->m_sheet = new cuiSheet(env, window, &flector->m_opener, initialKind, initialIndex, key);
    flector->m_sheet->SetPopupListMode(true);
    flector->m_sheet->Build();
    flector->m_sheet->SetChoiceMade([window] { window->close(); });
    window->installEventFilter(flector);
    flector->m_sheet->Grid().installEventFilter(flector);
    flector->SizeAndPlace();
    window->show();
    flector->m_sheet->Grid().setFocus(Qt::PopupFocusReason);
    return flector;
}

void cuiFlector::SizeAndPlace() {
    cuiGrid& grid = m_sheet->Grid();
    QScreen* screen = m_owner != nullptr ? m_owner->screen() : m_window->screen();
    const QRect work = screen->availableGeometry();

    grid.SetScrollBars(false);
    m_window->resize(200, 100);
    m_window->layout()->activate();
    QSize size = m_sheet->NeededSize();
    if (size.width() > work.width() || size.height() > work.height()) {
        grid.SetScrollBars(true);
        m_window->resize(size.boundedTo(work.size()));
        m_window->layout()->activate();
        size = m_sheet->NeededSize().boundedTo(work.size());
    }
    m_window->resize(size);
    m_window->layout()->activate();
    m_sheet->ResetScrollPosition();

    QRect cell(m_cellRect.left, m_cellRect.top, m_cellRect.Width(), m_cellRect.Height());
    if (auto* area = qobject_cast<QAbstractScrollArea*>(m_owner)) {
        cell.moveTopLeft(area->viewport()->mapToGlobal(cell.topLeft()));
    } else if (m_owner != nullptr) {
        cell.moveTopLeft(m_owner->mapToGlobal(cell.topLeft()));
    }
    const SheetRect placed = PlacePopup(ToSheetRect(cell), size.width(), size.height(), ToSheetRect(work));
    m_window->move(placed.left, placed.top);
}

bool cuiFlector::eventFilter(QObject* watched, QEvent* event) {
    // A closed list hears no more events, although its window is deleted only later.
    if (watched == m_window && event->type() == QEvent::Close) {
        Unregister();
        return false;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_window->close();
        return true;
    }
    return false;
}

void cuiFlector::OnEvent(void* context, const Event& event) {
    auto* flector = static_cast<cuiFlector*>(context);
    const bool ownerGone =
        event.type == kEvWindowClosing && event.second == reinterpret_cast<cmcEvArg>(flector->m_owner);
    if (ownerGone || event.type == kEvCommitInput) {
        flector->m_window->close();
    }
}
