#include "ui/shell_service.h"

#include <QDesktopServices>
#include <QUrl>

bool QtShellService::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

bool QtShellService::openFile(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
