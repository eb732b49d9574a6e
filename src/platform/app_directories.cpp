#include "platform/app_directories.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

namespace {

QString WithSlash(QString path) {
    path = QDir::fromNativeSeparators(path);
    if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
    return path;
}

std::string ToStd(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString AppDirFor(const QString& executableDir) {
    const QDir here(executableDir);
    if (QFileInfo(here.filePath(QStringLiteral("help/html/index.htm"))).isFile())
        return WithSlash(here.absolutePath());
    const QString installed = QDir::cleanPath(here.absoluteFilePath(QStringLiteral("../share/sestavia")));
    if (QFileInfo(installed).isDir()) return WithSlash(installed);
    return WithSlash(here.absolutePath());
}

// An XDG base folder: the variable when it holds an absolute path (relative ones are invalid by
// the XDG rules and ignored), else HOME + the fallback.
QString XdgBase(const char* variable, const QString& fallbackUnderHome) {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString value = env.value(QString::fromLatin1(variable));
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return value;
    const QString home = env.value(QStringLiteral("HOME"));
    if (home.isEmpty() || !QDir::isAbsolutePath(home)) return {};
    return QDir(home).filePath(fallbackUnderHome);
}

QString DataFolder(const QString& base, const QString& appDir) {
    if (base.isEmpty()) return appDir;
    const QString folder = WithSlash(QDir(base).filePath(QStringLiteral("Sestavia")));
    return EnsureFolder(folder) ? folder : appDir;
}

} // namespace

bool EnsureFolder(const QString& path) {
    return QDir().mkpath(path) && QFileInfo(path).isDir();
}

Directories ComputeDirectories(const QString& executableDir) {
    const QString appDir = AppDirFor(executableDir);
    const QString shared = DataFolder(XdgBase("XDG_DATA_HOME", QStringLiteral(".local/share")), appDir);
    const QString user = DataFolder(XdgBase("XDG_CONFIG_HOME", QStringLiteral(".config")), appDir);
    const QString reducers = WithSlash(user + QStringLiteral("Riduttori"));
    EnsureFolder(reducers);

    Directories dirs;
    dirs.appDir = ToStd(appDir);
    dirs.sharedDataDir = ToStd(shared);
    dirs.userDataDir = ToStd(user);
    dirs.reducersDir = ToStd(reducers);
    return dirs;
}
