#pragma once

// The copies of the receiver kept after every Read all in the window: clone files named after
// the date and time they were made and the receiver's version, never overwritten.

#include "image/clone_image.h"
#include "image/outcome.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace r36::session {

inline constexpr int kBackupsKept = 200;

struct BackupEntry {
    QString path;
    QDateTime made;
    int radioVersion = 0;
    int memoriesInUse = 0;
};

/// Where the window keeps its backups: "backups" in the user's data folder of the program.
QString defaultBackupFolder();

/// Saves `image` in `folder` (created when missing) as "2026-12-07_12-30-05_v206.R36", or with
/// "_2", "_3", ... when that name is taken, then deletes all but the newest kBackupsKept.
/// Fails, saving nothing, when the folder or the file cannot be written; `path` gets the name.
Outcome saveBackup(const QString& folder, const image::CloneImage& image,
                   const image::LinkState& link, QString* path = nullptr);

/// The backups in `folder`, newest first; files named otherwise are not listed.
std::vector<BackupEntry> listBackups(const QString& folder);

} // namespace r36::session
