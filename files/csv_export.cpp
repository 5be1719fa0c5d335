#include "csv_text.h"

#include "image/memory_record.h"

#include <string_view>

namespace r36::files {
namespace {

// Columns of the memory list whose non-empty texts the CSV marks with a leading "*": DCS codes
// like "023" and names with leading spaces or digits survive spreadsheet programs that way.
constexpr std::size_t kDcsColumn = 6;
constexpr std::size_t kNameColumn = 11;

// A cell holding a separator, a double quote or a line break is quoted, its quotes doubled, as
// spreadsheets read it; every other cell is written as it is, so such lists stay as they were.
void appendCell(std::string& text, std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
        text += cell;
        return;
    }
    text += '"';
    for (char c : cell) {
        if (c == '"')
            text += '"';
        text += c;
    }
    text += '"';
}

} // namespace

std::string csvText(const image::CloneImage& image, const std::vector<std::string>& labels,
                    const std::function<void(int row)>& progress) {
    std::string text;
    text.reserve(kCsvLineCount * 100);
    if (progress)
        progress(0);
    text += kCsvHeader;
    text += "\r\n";
    for (int memory = 0; memory < image::kUserMemoryCount; ++memory) {
        if (progress)
            progress(memory + 1);
        const auto index = static_cast<std::size_t>(memory);
        if (index < labels.size())
            appendCell(text, labels[index]);
        const std::string_view record = index < image.memRecord.size()
                                            ? std::string_view(image.memRecord[index])
                                            : image::kEmptyRecord;
        const image::DisplayTexts texts = image::renderRecord(record, memory);
        for (std::size_t column = 1; column <= texts.size(); ++column) {
            const std::string& cell = texts[column - 1];
            text += ',';
            if ((column == kDcsColumn || column == kNameColumn) && !cell.empty())
                appendCell(text, "*" + cell);
            else
                appendCell(text, cell);
        }
        text += "\r\n";
    }
    return text;
}

} // namespace r36::files
