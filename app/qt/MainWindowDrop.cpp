// The main window takes clone files from the desktop: one local file dragged onto it, or the file a
// second copy of the program was started with. While the window waits for nothing it is opened as Open
// opens it (the save question first, every refusal in its message).

#include "app/indMain.h"
#include "app/qt/MainWindow.h"
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "ui/CloneProgressWindow.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace {

// The one local file a drag carries; empty for several files, remote addresses or no file at all.
QString DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile()) {
        return {};
    }
    return data->urls().front().toLocalFile();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (isEnabled() && !m_progress->IsBusy() && !DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event->mimeData());
    if (!isEnabled() || m_progress->IsBusy() || file.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    OpenFromDesktop(QFile::encodeName(file).toStdString());
}

bool MainWindow::OpenFromDesktop(const std::filesystem::path& file) {
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
    // Not while an operation, a question or another window holds the user.
    if (!isEnabled() || m_progress->IsBusy() || QApplication::activeModalWidget() != nullptr) {
        return false;
    }
    m_parts.events.Send(kEvCommitInput);
    return m_parts.app.OpenFile(file) == 0;
}
