#include "backups.h"

#include "files/clone_file.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace r36::session {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");

// Names sort oldest first: the time, then the version, then the count of a same-second copy.
const QRegularExpression
    kBackupName(QStringLiteral(R"(^(\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d)_v(\d+)(_\d+)?\.R36$)"));

QStringList backupNames(const QDir& dir) {
    QStringList names;
    for (const QString& name : dir.entryList({QStringLiteral("*.R36")}, QDir::Files, QDir::Name))
        if (kBackupName.match(name).hasMatch())
            names << name;
    return names;
}

} // namespace

QString defaultBackupFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/backups");
}

Outcome saveBackup(const QString& folder, const image::CloneImage& image,
                   const image::LinkState& link, QString* path) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        Failure folderless(FailureKind::CannotCreateFolder);
        folderless.path = folder.toStdString();
        return Outcome::failure(std::move(folderless));
    }
    const QString stem = QDateTime::currentDateTime().toString(kTimeFormat) +
                         QStringLiteral("_v%1").arg(link.radioVersion);
    QString name = stem + QStringLiteral(".R36");
    for (int copy = 2; dir.exists(name); ++copy)
        name = stem + QStringLiteral("_%1.R36").arg(copy);
    image::CloneImage saved = image;
    const QString file = dir.filePath(name);
    if (const Outcome written = files::writeCloneFile(file, saved, link, {}); !written)
        return written;
    if (path)
        *path = file;
    QStringList names = backupNames(dir);
    for (qsizetype k = 0; k + kBackupsKept < names.size(); ++k)
        dir.remove(names[k]);
    return Outcome::success();
}

std::vector<BackupEntry> listBackups(const QString& folder) {
    const QDir dir(folder);
    std::vector<BackupEntry> entries;
    const QStringList names = backupNames(dir);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        const QRegularExpressionMatch match = kBackupName.match(*name);
        BackupEntry entry;
        entry.path = dir.filePath(*name);
        entry.made = QDateTime::fromString(match.captured(1), kTimeFormat);
        entry.radioVersion = match.captured(2).toInt();
        image::CloneImage loaded = image::freshImage();
        image::LinkState link;
        files::CloneFileReport report;
        if (files::readCloneFile(entry.path, loaded, link, report))
            for (int m = 0; m < image::kUserMemoryCount; ++m)
                entry.memoriesInUse += image::isRecordInUse(loaded.memRecord[m]);
        entries.push_back(entry);
    }
    return entries;
}

} // namespace r36::session
