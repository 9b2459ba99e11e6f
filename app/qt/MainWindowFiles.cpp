// The File menu's folder of backups of radio reads.

#include "app/indMain.h"
#include "app/qt/MainWindow.h"
#include "overlay/FormatText.h"
#include "overlay/cmcGTex.h"

#include <QDesktopServices>
#include <QUrl>

void MainWindow::OpenBackupFolder() {
    // The folder is made here when no read has made it yet, so the desktop has something to show.
    const std::filesystem::path folder = m_parts.app.BackupFolder();
    std::error_code error;
    const bool made = !folder.empty() && (std::filesystem::create_directories(folder, error), !error);
    if (!made || !QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())))) {
        m_parts.app.Messages().Show(
            FormatText(m_parts.app.Overlay().GetLongText("GI_Mess_NoBackupFolder"), {folder.string()}),
            OverlayMessages::Icon::Error,
            OverlayMessages::Buttons::Ok);
    }
}
