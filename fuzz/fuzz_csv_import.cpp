// Feeds arbitrary text to the CSV import. Inputs whose first byte is odd are spliced as data lines
// into a complete free channel list, so the fuzzer reaches the field rules of every memory area;
// others are parsed as they are. An import that succeeds holds only storable records, and
// exporting them imports the same records again.

#include "files/csv_text.h"
#include "fuzz_invariants.h"
#include "image/memory_areas.h"
#include "image/value_lists.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace r36;
using fuzz::require;

namespace {

const std::vector<std::string>& labels() {
    static const std::vector<std::string> defaultLabels = image::defaultMemoryLabels();
    return defaultLabels;
}

std::string splicedIntoFreeList(std::string_view lines, int firstMemory) {
    std::string text(files::kCsvHeader);
    text += "\r\n";
    std::size_t start = 0;
    for (int m = 0; m < image::kUserMemoryCount; ++m) {
        if (m >= firstMemory && start < lines.size()) {
            std::size_t end = lines.find('\n', start);
            if (end == std::string_view::npos)
                end = lines.size();
            text += labels()[static_cast<std::size_t>(m)] + "," +
                    std::string(lines.substr(start, end - start));
            start = end + 1;
        } else {
            text += labels()[static_cast<std::size_t>(m)] + ",,,,,,,,,,,";
        }
        text += "\r\n";
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string text;
    if (size >= 3 && (data[0] & 1) != 0)
        text = splicedIntoFreeList(input.substr(3),
                                   (data[1] * 256 + data[2]) % image::kUserMemoryCount);
    else
        text = std::string(input);

    const files::CsvImport imported = files::parseCsv(text);
    if (!imported.ok()) {
        const int errorLine = imported.outcome.why().line;
        require(imported.records.empty(), "a failed import hands over no records");
        require(errorLine >= 1 && errorLine <= files::kCsvLineCount + 1,
                "the failing line is 1..1702");
        return 0;
    }
    require(imported.records.size() == image::kMemoryCount, "1721 records");
    for (int m = 0; m < image::kMemoryCount; ++m) {
        const std::string& record = imported.records[static_cast<std::size_t>(m)];
        if (m >= image::presetFirst) {
            require(record ==
                        image::presetRecords[static_cast<std::size_t>(m - image::presetFirst)],
                    "presets restored");
            continue;
        }
        require(record == "00" || (fuzz::isStoredHex(record, 64) && image::isRecordInUse(record)),
                "an imported record is free or 64 upper-case hex in use");
        if (!image::isPrgMemory(m))
            require(record == "00" || record.substr(38, 4) == "0000",
                    "auto flags only in the PRG area");
    }

    image::CloneImage image = image::freshImage();
    image.memRecord = imported.records;
    const files::CsvImport again = files::parseCsv(files::csvText(image, labels()));
    require(again.ok(), "an exported list imports");
    require(again.records == imported.records, "export and import round-trip");
    return 0;
}
