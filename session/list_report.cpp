#include "list_report.h"

#include "document.h"

#include "image/memory_record.h"

#include <algorithm>
#include <string_view>

namespace r36::session {

namespace {

/// "Bank03" of "Bank03-012", "PRG" of "PRG - 0A".
std::string sectionOfLabel(std::string_view label) {
    std::string_view section = label.substr(0, label.find('-'));
    while (!section.empty() && section.back() == ' ')
        section.remove_suffix(1);
    return std::string(section);
}

} // namespace

ReportHeader reportHeader(const Document& document, QDate date) {
    return {document.fileName(), document.linkState().radioVersion, date};
}

int ListReport::rowCount() const {
    int rows = 0;
    for (const ReportSection& section : sections)
        rows += static_cast<int>(section.rows.size());
    return rows;
}

ListReport listReport(const Document& document, ReportScope scope,
                      const std::vector<int>& selection, int currentMemory, QDate date) {
    ListReport report{reportHeader(document, date), {}};
    const std::vector<std::string>& labels = document.labels();
    const std::vector<std::string>& records = document.image().memRecord;
    const int memories = std::min({image::kUserMemoryCount, static_cast<int>(labels.size()),
                                   static_cast<int>(records.size())});
    std::vector<bool> chosen(static_cast<std::size_t>(memories), scope != ReportScope::Selection);
    if (scope == ReportScope::Selection)
        for (const int memory : selection)
            if (memory >= 0 && memory < memories)
                chosen[static_cast<std::size_t>(memory)] = true;

    ReportSection section;
    int sectionStart = 0;
    const auto close = [&] {
        const bool wanted =
            scope != ReportScope::CurrentBank ||
            (sectionStart <= currentMemory && currentMemory < sectionStart + section.memoryCount);
        if (!section.rows.empty() && wanted)
            report.sections.push_back(std::move(section));
        section = {};
    };
    for (int memory = 0; memory < memories; ++memory) {
        const auto at = static_cast<std::size_t>(memory);
        std::string title = sectionOfLabel(labels[at]);
        if (memory == 0 || title != section.title) {
            close();
            section.title = std::move(title);
            sectionStart = memory;
        }
        ++section.memoryCount;
        if (!chosen[at] || !image::isRecordInUse(records[at]))
            continue;
        const image::DisplayTexts texts = image::renderRecord(records[at], memory);
        std::array<std::string, 12>& row = section.rows.emplace_back();
        row[0] = labels[at];
        std::copy(texts.begin(), texts.end(), row.begin() + 1);
    }
    close();
    return report;
}

} // namespace r36::session
