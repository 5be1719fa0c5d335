#include "program_state.h"

namespace r36::cli {

ProgramState::ProgramState() {
    showSettingsPage();
}

void ProgramState::showSettingsPage() {
    image::showSysBlock(page, image.sysBlock);
    image::showSys3Block(page, image.sys3Block);
    image::showRemoconId(page, image.remoconId);
}

void ProgramState::storeSettingsPage() {
    image::storeSysBlock(page, image.sysBlock);
    image::storeSys3Block(page, image.sys3Block);
    image.remoconId = image::storeRemoconId(page.tvText);
}

Outcome ProgramState::openCloneFile(const QString& path, files::CloneFileReport& report) {
    Outcome opened = files::readCloneFile(path, image, link, report);
    if (!opened)
        return opened;
    // Opening a file sets the partition total to 1000, so the labels always follow the table.
    image::relabelMemoryList(image.bankTable, labels);
    showSettingsPage();
    return opened;
}

Outcome ProgramState::saveCloneFile(const QString& path) {
    // The window has no settings-file path to match here: a command-line save is a clone file.
    return files::writeCloneFile(path, image, link, QString(), [this] { storeSettingsPage(); });
}

files::CsvImport ProgramState::importCsv(const QString& path) {
    files::CsvImport imported = files::importCsv(path);
    if (imported.ok)
        image.memRecord = imported.records;
    return imported;
}

Outcome ProgramState::exportCsv(const QString& path) const {
    return files::exportCsv(path, image, labels);
}

link::TransferHooks ProgramState::transferHooks(ProgressSink progress) {
    link::TransferHooks hooks;
    hooks.showSysBlock = [this] {
        image::showSysBlock(page, image.sysBlock);
    };
    hooks.showSys3Block = [this] {
        image::showSys3Block(page, image.sys3Block);
    };
    hooks.showRemoconId = [this] {
        image::showRemoconId(page, image.remoconId);
    };
    hooks.storeSysBlock = [this] {
        image::storeSysBlock(page, image.sysBlock);
    };
    hooks.storeSys3Block = [this] {
        image::storeSys3Block(page, image.sys3Block);
    };
    hooks.storeRemoconId = [this] {
        image.remoconId = image::storeRemoconId(page.tvText);
    };
    // The partition total of a fresh program reads 1000, so a new table relabels the list.
    hooks.bankTableLoaded = [this] {
        image::relabelMemoryList(image.bankTable, labels);
    };
    if (progress) {
        hooks.progress = [progress](int, int maximum, int value, const std::string&) {
            progress(value, maximum);
        };
    }
    return hooks;
}

} // namespace r36::cli
