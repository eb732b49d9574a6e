#include "ui/file_dialog_service.h"

#include <QDir>
#include <QFileDialog>

namespace {

QString StartPath(const FileDialogRequest& request) {
    if (request.fileName.isEmpty()) return request.folder;
    if (request.folder.isEmpty()) return request.fileName;
    return QDir(request.folder).filePath(request.fileName);
}

QString Run(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.title, request.folder, request.filter);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
    }
    if (!request.fileName.isEmpty()) dialog.selectFile(StartPath(request));
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : QDir::toNativeSeparators(files.front());
}

} // namespace

QString QtFileDialogService::openFile(QWidget* parent, const FileDialogRequest& request) {
    return Run(parent, request, QFileDialog::AcceptOpen);
}

QString QtFileDialogService::saveFile(QWidget* parent, const FileDialogRequest& request) {
    return Run(parent, request, QFileDialog::AcceptSave);
}

QString QtFileDialogService::chooseFolder(QWidget* parent, const QString& title, const QString& folder) {
    return QDir::toNativeSeparators(QFileDialog::getExistingDirectory(parent, title, folder));
}
