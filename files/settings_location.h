#pragma once

// Where the window keeps its settings file.

#include <QString>

namespace r36::files {

/// The settings file `fileName` beside the program in `programFolder` when that folder can be
/// written (a copy built or unpacked into a folder of its own), otherwise in the user's
/// configuration folder, as for an installed program. Folders under /usr belong to the package
/// manager and are never used, even by root. The configuration folder is created; when that
/// fails its path is still returned and writing the file later reports why.
QString settingsFileLocation(const QString& programFolder, const QString& fileName);

} // namespace r36::files
