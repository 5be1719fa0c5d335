#include "csv_text.h"

#include "image/memory_record.h"

#include <algorithm>
#include <string_view>

namespace r36::files {
namespace {

// Columns of the memory list whose non-empty texts the CSV marks with a leading "*": DCS codes
// like "023" and names with leading spaces or digits survive spreadsheet programs that way.
constexpr std::size_t kDcsColumn = 6;
constexpr std::size_t kNameColumn = 11;

} // namespace

// A cell holding a separator, a double quote or a line break is quoted, its quotes doubled, as
// spreadsheets read it; every other cell is written as it is, so such lists stay as they were.
void appendCell(std::string& text, std::string_view cell, char separator) {
    if (cell.find_first_of("\"\r\n") == std::string_view::npos &&
        cell.find(separator) == std::string_view::npos) {
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

namespace {

void appendRow(std::string& text, const image::CloneImage& image,
               const std::vector<std::string>& labels, int memory, char separator) {
    const auto index = static_cast<std::size_t>(memory);
    if (index < labels.size())
        appendCell(text, labels[index], separator);
    const std::string_view record = index < image.memRecord.size()
                                        ? std::string_view(image.memRecord[index])
                                        : image::kEmptyRecord;
    const image::DisplayTexts texts = image::renderRecord(record, memory);
    for (std::size_t column = 1; column <= texts.size(); ++column) {
        const std::string& cell = texts[column - 1];
        text += separator;
        if ((column == kDcsColumn || column == kNameColumn) && !cell.empty())
            appendCell(text, "*" + cell, separator);
        else
            appendCell(text, cell, separator);
    }
    text += "\r\n";
}

} // namespace

std::string csvRows(const image::CloneImage& image, const std::vector<std::string>& labels,
                    int first, int last, char separator) {
    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(last - first + 1, 0)) * 100);
    for (int memory = first; memory <= last; ++memory)
        appendRow(text, image, labels, memory, separator);
    return text;
}

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
        appendRow(text, image, labels, memory, ',');
    }
    return text;
}

} // namespace r36::files
