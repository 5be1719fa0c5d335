#pragma once

// What a printed settings page holds, decided without a window: each group of the page with
// its lists' captions and chosen values, and the remote-control key IDs.

#include "list_report.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace r36::session {

class Document;

struct SettingsReportGroup {
    std::string title; // "<DISP>"
    /// Each list of the group as the page shows it, top to bottom: ("LAMP", "ON").
    std::vector<std::pair<std::string, std::string>> items;
    /// The group that holds the remote-control key ID boxes (the AREA list's).
    bool holdsKeyIds = false;
};

struct SettingsReport {
    ReportHeader header;
    std::vector<SettingsReportGroup> groups;
    /// The key ID boxes' texts, key 1 to key 10.
    std::array<std::string, 10> keyIds;
};

/// The settings page's groups in `groupOrder` (captions as "<DISP>"; the page's reading
/// order), each with its lists in the page's order; a caption no list names is left out.
SettingsReport settingsReport(const Document& document,
                              const std::vector<std::string_view>& groupOrder, QDate date);

} // namespace r36::session
