#pragma once

// The rules for the names of the files the user picks: the extension a typed name gets, which
// files a name stands for, and the recent-files list.

#include <QString>
#include <QStringList>

namespace r36::session {

/// How many files the recent-files list keeps.
inline constexpr int kRecentFileCount = 8;

/// `path` with "." + `suffix` appended when its file name has no extension ("ch" ->
/// "ch.R36"); a name with any extension, or that ends in a dot, stays as typed.
QString withDefaultSuffix(const QString& path, const QString& suffix);

/// True when the name ends in ".csv" (in any letter case): opened by importing it.
bool isCsvName(const QString& path);

/// `recent` with `path` first: an earlier entry for the same file is dropped and the list
/// is cut to kRecentFileCount.
QStringList withRecentFile(QStringList recent, const QString& path);

/// The entries of `recent` that still name a file.
QStringList existingFiles(const QStringList& recent);

} // namespace r36::session
