#include "clipboard_rows.h"

#include "csv_text.h"
#include "text_lines.h"

#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/memory_map.h"
#include "image/memory_record.h"

namespace r36::files {
namespace {

constexpr std::size_t kCellCount = 12;

std::vector<std::string_view> pastedLines(std::string_view text) {
    std::vector<std::string_view> lines = splitLines(text);
    while (!lines.empty() && lines.back().empty()) // a spreadsheet ends its copy with a line end
        lines.pop_back();
    return lines;
}

// A success when `count` rows from `first` stay within the user memories.
Outcome beyondLastMemory(int first, std::size_t count) {
    if (count == 0)
        return Outcome::failure(FailureKind::NothingToPaste);
    const int last = first + static_cast<int>(count) - 1;
    if (first >= 0 && last <= image::lastStoredMemory)
        return Outcome::success();
    Failure beyond(FailureKind::RowsPastEnd);
    beyond.number = static_cast<int>(count);
    beyond.piece = {image::PieceKind::Memory, first};
    beyond.limit = image::lastStoredMemory;
    return Outcome::failure(std::move(beyond));
}

PastedRows refused(Outcome why) {
    return {{}, std::move(why)};
}

PastedRows refused(std::size_t line, Failure problem) {
    Failure damaged(FailureKind::DamagedLine);
    damaged.line = static_cast<int>(line);
    damaged.parts = {std::move(problem)};
    return refused(Outcome::failure(std::move(damaged)));
}

} // namespace

std::string copiedText(const image::CloneImage& image, const std::vector<std::string>& labels,
                       int first, int last) {
    return csvRows(image, labels, first, last, '\t');
}

std::string copiedRecords(const image::CloneImage& image, int first, int last) {
    std::string text;
    for (int memory = first; memory <= last; ++memory)
        text += image.memRecord.at(static_cast<std::size_t>(memory)) + "\n";
    return text;
}

PastedRows pastedText(std::string_view text, int first) {
    std::vector<std::string_view> lines = pastedLines(text);
    const char separator = text.find('\t') != std::string_view::npos ? '\t' : ',';
    std::size_t skipped = 0;
    if (!lines.empty()) {
        const auto heading = csvFields(lines.front(), separator);
        if (heading && image::toUpperAscii(heading->front()) == "BANK-CH")
            skipped = 1;
    }
    if (Outcome beyond = beyondLastMemory(first, lines.size() - skipped); !beyond)
        return refused(std::move(beyond));
    PastedRows rows;
    for (std::size_t n = skipped; n < lines.size(); ++n) {
        const auto fields = csvFields(lines[n], separator);
        if (!fields)
            return refused(n + 1, Failure(FailureKind::UnclosedQuote));
        if (fields->size() < kCellCount) {
            Failure cells(FailureKind::TooFewCells);
            cells.number = static_cast<int>(fields->size());
            return refused(n + 1, std::move(cells));
        }
        const int memory = first + static_cast<int>(n - skipped);
        CsvLineRecord line = csvLineRecord(*fields, memory);
        if (!line.ok())
            return refused(n + 1, line.problem.why());
        rows.records.push_back(std::move(line.record));
    }
    return rows;
}

PastedRows pastedRecords(std::string_view text, int first) {
    const std::vector<std::string_view> lines = pastedLines(text);
    if (Outcome beyond = beyondLastMemory(first, lines.size()); !beyond)
        return refused(std::move(beyond));
    PastedRows rows;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (lines[n] != image::kEmptyRecord &&
            !image::isHexOfLength(lines[n], static_cast<std::size_t>(image::kLineHexChars)))
            return refused(n + 1, Failure(FailureKind::NotARecord));
        rows.records.emplace_back(lines[n]);
    }
    return rows;
}

} // namespace r36::files
