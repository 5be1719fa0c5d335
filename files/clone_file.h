#pragma once

#include "clone_text.h"
#include "image/clone_image.h"
#include "image/outcome.h"

#include <QString>

#include <functional>

namespace r36::files {

/// True when the last four characters, upper-cased, are ".R36".
bool hasCloneExtension(const QString& path);

/// Writes a clone file (or, when `path` equals `settingsFilePath` exactly, only the settings
/// lines DATE, COMM, SPD, END). `storeSettings` runs first so the settings page's state reaches
/// the blocks. The file is written to a temporary file beside the target and renamed over it
/// only when complete: a failure leaves the old file as it was, with the system's reason.
Outcome writeCloneFile(const QString& path, image::CloneImage& image, const image::LinkState& link,
                       const QString& settingsFilePath,
                       const std::function<void()>& storeSettings = {});

/// Reads a clone file into `image` and `link`; "-" reads standard input. The whole file is read
/// and validated first: a path without the ".R36" extension fails with "Can't open the file.", a
/// file that cannot be read fails with the system's reason, a file without a line of a clone
/// file fails with "not a clone file", and all three change nothing. User memories are cleared
/// and the presets restored; blocks without lines keep their contents. Lines that fail
/// validation are skipped and listed in `report`, with unknown lines and the lines the file
/// lacks. When `path` equals `settingsFilePath` exactly, the file is read as the settings file
/// instead (readSettingsFile), whatever its extension.
Outcome readCloneFile(const QString& path, image::CloneImage& image, image::LinkState& link,
                      CloneFileReport& report, const QString& settingsFilePath = {});

/// Reads only the COMM and SPD lines of the settings file; a file that cannot be read fails
/// with the system's reason and changes nothing.
Outcome readSettingsFile(const QString& path, image::LinkState& link);

/// "Save Date and Time " followed by the local date and time, for the DATE line.
QString saveDateText();

} // namespace r36::files
