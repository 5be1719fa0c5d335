#pragma once

// What a printed memory list holds, decided without a window: the memories in use, grouped by
// bank and area, each row the label and the texts the memory grid shows.

#include <QDate>
#include <QString>

#include <array>
#include <string>
#include <vector>

namespace r36::session {

class Document;

/// Which memories a printed list covers.
enum class ReportScope {
    AllMemories,
    Selection,  // the selected memories
    CurrentBank // the bank or area of the current memory
};

/// One bank or area of the printed list.
struct ReportSection {
    /// The bank or area as its labels name it: "Bank03", "AT", "PRG".
    std::string title;
    /// How many memories the bank or area has, in use or free.
    int memoryCount = 0;
    /// One row per memory in use: its label, then the grid's eleven column texts.
    std::vector<std::array<std::string, 12>> rows;
};

/// What every printed page's header names.
struct ReportHeader {
    QString fileName;     // the file named in the title; empty: none yet
    int radioVersion = 0; // from the last greeting; 0: never read
    QDate date;
};

/// Header values for a report printed on `date`.
ReportHeader reportHeader(const Document& document, QDate date);

/// The printed list: the header's values and the sections that hold at least one row.
struct ListReport {
    ReportHeader header;
    std::vector<ReportSection> sections;

    int rowCount() const;
};

/// The memories in use that `scope` covers, in memory order. `selection` lists the selected
/// memories (any order); `currentMemory` is the grid's current row (-1: none, which leaves
/// CurrentBank empty). A bank or area is a run of memories whose labels share the text before
/// the "-" ("Bank03-000", "AT - 5"), so the sections follow the labels the grid shows.
ListReport listReport(const Document& document, ReportScope scope,
                      const std::vector<int>& selection, int currentMemory, QDate date);

} // namespace r36::session
