#pragma once

// What a freshly started window holds, and its File-menu steps without the window: the clone
// image, the port choice, the settings page as selections and the memory list's labels. The
// commands drive it exactly as the window's menus drive the main window.

#include "files/clone_file.h"
#include "files/csv_file.h"
#include "image/clone_image.h"
#include "image/memory_areas.h"
#include "image/outcome.h"
#include "image/settings_block.h"
#include "link/clone_transfer.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace r36::cli {

/// Progress of a transfer: the value and the maximum of the window's progress bar.
using ProgressSink = std::function<void(int value, int maximum)>;

class ProgramState {
public:
    /// Start-up: the fresh image, the default labels, the settings page showing the defaults.
    ProgramState();

    image::CloneImage image = image::freshImage();
    image::LinkState link;
    image::SettingsSelections page;
    std::vector<std::string> labels = image::defaultMemoryLabels();

    /// File > Open: loads the file; then the memory list is relabelled from the bank table and
    /// the settings page shows the loaded blocks. Fails as readCloneFile does.
    Outcome openCloneFile(const QString& path, files::CloneFileReport& report);
    /// File > Save: the settings page is stored into the blocks, then the file is written.
    Outcome saveCloneFile(const QString& path);
    /// File > Import: all records replaced when the whole file is good; nothing changes otherwise.
    files::CsvImport importCsv(const QString& path);
    /// File > Export.
    Outcome exportCsv(const QString& path) const;

    /// The hooks the window gives a transfer: the settings page shown after a read and stored
    /// before a write, the labels following a new bank table, the progress bar.
    link::TransferHooks transferHooks(ProgressSink progress);

private:
    void showSettingsPage();
    void storeSettingsPage();
};

} // namespace r36::cli
