#include "file_names.h"

#include <QDir>
#include <QFileInfo>

namespace r36::session {

namespace {

// The same file however it was named ("./a.R36", "a.R36"): its absolute, cleaned path.
QString sameFileKey(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QString withDefaultSuffix(const QString& path, const QString& suffix) {
    const QString name = QFileInfo(path).fileName();
    // "ch." is left alone: the user typed a dot on purpose.
    if (name.isEmpty() || name.contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + suffix;
}

bool isCsvName(const QString& path) {
    return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
}

QStringList withRecentFile(QStringList recent, const QString& path) {
    const QString key = sameFileKey(path);
    recent.removeIf([&key](const QString& entry) { return sameFileKey(entry) == key; });
    recent.prepend(key);
    while (recent.size() > kRecentFileCount)
        recent.removeLast();
    return recent;
}

QStringList existingFiles(const QStringList& recent) {
    QStringList existing;
    for (const QString& entry : recent)
        if (QFileInfo(entry).isFile())
            existing << entry;
    return existing;
}

} // namespace r36::session
