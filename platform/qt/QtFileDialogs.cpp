#include "QtFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QString>
#include <QStringList>

namespace platform {
namespace {

QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

std::optional<std::filesystem::path> Run(QWidget* parent, const FileDialogSetup& setup, bool save) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setDirectory(ToQString(setup.directory));
    dialog.setDefaultSuffix(QString::fromStdString(setup.defaultExtension));
    const std::string filter = QtFileDialogs::QtFilter(setup.filter);
    if (!filter.empty()) {
        dialog.setNameFilters(QString::fromStdString(filter).split(QStringLiteral(";;")));
    }
    if (save && !setup.fileName.empty()) {
        dialog.selectFile(QString::fromStdString(setup.fileName));
    }
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        const QString chosen = dialog.selectedFiles().constFirst();
        // A read-only target is refused here, as the save dialog of the desktop does, and asked again.
        const QFileInfo info(chosen);
        if (save && info.exists() && !info.isWritable()) {
            continue;
        }
        return std::filesystem::path(chosen.toStdU16String());
    }
}

} // namespace

std::string QtFileDialogs::QtFilter(const std::string& filter) {
    if (filter.find('|') == std::string::npos) {
        return filter;
    }
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString description = parts[i];
        // A description that already shows its pattern ("Clone files (*.qcf)") keeps it as it is.
        filters << (description.contains(QLatin1Char('('))
                        ? description
                        : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;")).toStdString();
}

std::optional<std::filesystem::path> QtFileDialogs::GetOpenFileName(const FileDialogSetup& setup) {
    return Run(m_parent, setup, false);
}

std::optional<std::filesystem::path> QtFileDialogs::GetSaveFileName(const FileDialogSetup& setup) {
    return Run(m_parent, setup, true);
}

} // namespace platform
