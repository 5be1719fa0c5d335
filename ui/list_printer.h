#pragma once

#include <QCoreApplication>
#include <QString>

class QPrinter;

namespace r36::session {
struct ListReport;
struct SettingsReport;
} // namespace r36::session

namespace r36::ui {

/// Lays printed reports out on a printer's pages (a PDF file is a printer too): on every page
/// a header with the title, the date, the file name and the receiver's version, the column
/// headings, and "Page n of m" at the foot; each bank, area or settings group under its title,
/// repeated as "(continued)" on the next page. The columns are measured: when they are wider
/// than the page, the font is made smaller, and only past the smallest font does the widest
/// column wrap; no value is ever cut.
class ListPrinter {
    Q_DECLARE_TR_FUNCTIONS(r36::ui::ListPrinter)
public:
    /// `title` heads every page ("Memory list: all memories in use"). False when the printer
    /// could not start, e.g. a PDF file that cannot be written.
    [[nodiscard]] static bool print(const session::ListReport& report, const QString& title,
                                    QPrinter& printer);
    [[nodiscard]] static bool print(const session::SettingsReport& report, QPrinter& printer);
};

} // namespace r36::ui
