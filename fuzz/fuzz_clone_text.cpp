// Feeds arbitrary text to the clone-file reader. Whatever the text, the image holds only blocks of
// the receiver's shapes (a text refused as no clone file leaves it as it was), and what the writer
// makes of it loads again unchanged without a skipped line.

#include "files/clone_text.h"
#include "fuzz_invariants.h"
#include "image/memory_areas.h"
#include "image/value_lists.h"

#include <cstdint>
#include <string_view>

using namespace r36;
using fuzz::isStoredHex;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    image::CloneImage loaded = image::freshImage();
    image::LinkState link;
    files::CloneFileReport report;
    const Outcome parsed = files::parseCloneText(text, loaded, link, report);
    require(parsed || (loaded == image::freshImage() && report.skipped.empty()),
            "a text that is not a clone file changes nothing");

    require(loaded.memRecord.size() == image::kMemoryCount, "1721 memories");
    for (const std::string& record : loaded.memRecord)
        require(fuzz::isStoredRecord(record), "memory record is \"00\" or 64 upper-case hex");
    require(isStoredHex(loaded.bankTable, 200), "bank table is 200 hex");
    for (const std::string& entry : loaded.bankLink)
        require(isStoredHex(entry, 14), "bank-link entry is 14 hex");
    for (const std::string& entry : loaded.psLink)
        require(isStoredHex(entry, 14), "program-scan-link entry is 14 hex");
    require(isStoredHex(loaded.sysBlock, 256), "settings block is 256 hex");
    require(isStoredHex(loaded.sys3Block, 4) || isStoredHex(loaded.sys3Block, 64),
            "third settings block is 4 or 64 hex");
    require(isStoredHex(loaded.remoconId, 26), "key-ID block is 26 hex");
    require(link.commPort >= 1 && link.commPort <= 16, "port 1..16");
    require(link.commSpeed <= 1, "speed 0..1");
    int previous = 0;
    for (const files::SkippedLine& skipped : report.skipped) {
        require(skipped.lineNumber > previous, "skipped lines ascend");
        require(!skipped.key.empty(), "a skipped line names its key");
        previous = skipped.lineNumber;
    }

    // Saved and loaded again: the same image, except the memories a file never carries.
    image::CloneImage reloaded = image::freshImage();
    image::LinkState reloadedLink;
    files::CloneFileReport again;
    require(
        files::parseCloneText(files::cloneText(loaded, link, "fuzz"), reloaded, reloadedLink, again)
            .ok(),
        "a written file is a clone file");
    require(again.clean(), "a written file loads complete, without a skipped or unknown line");
    require(again.hadBankTable, "a written file has its bank table");
    image::CloneImage expected = loaded;
    for (int m = 0; m < image::kUserMemoryCount; ++m) {
        if (!image::isRecordInUse(expected.memRecord[static_cast<std::size_t>(m)]))
            expected.memRecord[static_cast<std::size_t>(m)] = "00";
    }
    for (int k = 0; k < image::kPresetCount; ++k)
        expected.memRecord[static_cast<std::size_t>(image::presetFirst + k)] =
            image::presetRecords[static_cast<std::size_t>(k)];
    require(reloaded == expected, "save and load round-trips");
    require(reloadedLink == link, "port and speed round-trip");
    return 0;
}
