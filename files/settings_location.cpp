#include "settings_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace r36::files {

namespace {

bool isSystemFolder(const QString& folder) {
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return path == QLatin1String("/usr") || path.startsWith(QLatin1String("/usr/"));
}

} // namespace

QString settingsFileLocation(const QString& programFolder, const QString& fileName) {
    const QFileInfo program(programFolder);
    if (program.isDir() && program.isWritable() && !isSystemFolder(programFolder))
        return QDir(programFolder).filePath(fileName);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath(fileName);
}

} // namespace r36::files
