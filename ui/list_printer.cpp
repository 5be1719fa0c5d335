#include "list_printer.h"

#include "memory_list_model.h"
#include "transfer_texts.h"

#include "session/list_report.h"
#include "session/settings_report.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <numeric>
#include <vector>

namespace r36::ui {

namespace {

constexpr double kBasePoints = 9, kSmallestPoints = 5;
constexpr int kWrapFlags = Qt::TextWordWrap | Qt::TextWrapAnywhere;

/// A report as rows of texts under column headings, in titled sections.
struct Table {
    QString title;
    session::ReportHeader header;
    QStringList headings;
    struct Section {
        QString title;
        std::vector<QStringList> rows;
    };
    std::vector<Section> sections;
};

/// One line of the body: a section's title, or one of its rows.
struct Line {
    int section;
    int row; // -1: the section's title
    bool continued = false;
};

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

/// Lays one table out: measures the columns, breaks the lines into pages and paints them.
class PageLayout {
public:
    PageLayout(const Table& table, QPrinter& printer) : m_table(table), m_printer(printer) {
        const QRectF paper = printer.pageLayout().paintRectPixels(printer.resolution());
        m_width = paper.width();
        m_height = paper.height();
        fitColumns();
        paginate();
    }

    bool paint() {
        QPainter painter;
        if (!painter.begin(&m_printer))
            return false;
        for (std::size_t page = 0; page < m_pages.size(); ++page) {
            if (page > 0)
                m_printer.newPage();
            paintPage(painter, static_cast<int>(page));
        }
        return painter.end();
    }

private:
    QFont font(bool bold = false, double scale = 1) const {
        QFont font = QGuiApplication::font();
        font.setPointSizeF(m_points * scale);
        font.setBold(bold);
        return font;
    }
    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &m_printer); }

    /// Each column as wide as its widest text and its heading's longest word; the font made
    /// smaller while they do not fit, then the widest column wrapped; some of what is left over
    /// shared among them.
    void fitColumns() {
        for (int attempt = 0; attempt < 4; ++attempt) {
            measureColumns();
            const double total = std::accumulate(m_columns.begin(), m_columns.end(), 0.0);
            if (total <= m_width || m_points <= kSmallestPoints)
                break;
            m_points = std::max(kSmallestPoints, std::floor(2 * m_points * m_width / total) / 2);
        }
        const double total = std::accumulate(m_columns.begin(), m_columns.end(), 0.0);
        if (total > m_width) {
            const auto widest = std::max_element(m_columns.begin(), m_columns.end());
            *widest = std::max(*widest - (total - m_width), m_columns.front() / 4);
            m_wrapped = static_cast<int>(widest - m_columns.begin());
        } else {
            // Shared, but not so much that a short table's values drift away from their names.
            const double extra = std::min((m_width - total) / static_cast<double>(m_columns.size()),
                                          3 * metrics(font()).height());
            for (double& column : m_columns)
                column += extra;
        }
        const QFontMetricsF body = metrics(font());
        m_line = body.lineSpacing() * 1.25;
        m_padding = body.averageCharWidth();
        const QFontMetricsF bold = metrics(font(true));
        m_headingsHeight = m_line;
        double x = 0;
        for (int column = 0; column < m_table.headings.size(); ++column) {
            const QRectF cell(x, 0, m_columns[static_cast<std::size_t>(column)] - m_padding, 1e6);
            m_headingsHeight =
                std::max(m_headingsHeight,
                         bold.boundingRect(cell, kWrapFlags, m_table.headings[column]).height() +
                             m_line / 4);
            x += m_columns[static_cast<std::size_t>(column)];
        }
        m_headerHeight = 3.2 * metrics(font(true, 1.2)).lineSpacing();
        m_footerHeight = 2 * m_line;
    }

    void measureColumns() {
        const QFontMetricsF body = metrics(font());
        const QFontMetricsF bold = metrics(font(true));
        const double padding = 1.5 * body.averageCharWidth();
        m_columns.assign(static_cast<std::size_t>(m_table.headings.size()), 0);
        for (int column = 0; column < m_table.headings.size(); ++column)
            for (const QString& word : m_table.headings[column].split(QLatin1Char(' ')))
                m_columns[static_cast<std::size_t>(column)] =
                    std::max(m_columns[static_cast<std::size_t>(column)],
                             bold.horizontalAdvance(word) + padding);
        for (const Table::Section& section : m_table.sections)
            for (const QStringList& row : section.rows)
                for (int column = 0; column < row.size() && column < m_table.headings.size();
                     ++column)
                    m_columns[static_cast<std::size_t>(column)] =
                        std::max(m_columns[static_cast<std::size_t>(column)],
                                 body.horizontalAdvance(row[column]) + padding);
    }

    double rowHeight(const QStringList& row) const {
        if (m_wrapped < 0 || m_wrapped >= row.size())
            return m_line;
        const QRectF cell(0, 0, m_columns[static_cast<std::size_t>(m_wrapped)] - m_padding, 1e6);
        const double text = metrics(font()).boundingRect(cell, kWrapFlags, row[m_wrapped]).height();
        return std::max(m_line, text + m_line - metrics(font()).lineSpacing());
    }
    double height(const Line& line) const {
        return line.row < 0 ? m_line * 1.4
                            : rowHeight(m_table.sections[static_cast<std::size_t>(line.section)]
                                            .rows[static_cast<std::size_t>(line.row)]);
    }

    /// A section's title stays with its first row; a section carried over repeats its title.
    void paginate() {
        const double body = m_height - m_headerHeight - m_headingsHeight - m_footerHeight;
        m_pages.assign(1, {});
        double y = 0;
        const auto place = [&](const Line& line) {
            m_pages.back().push_back(line);
            y += height(line);
        };
        for (int section = 0; section < static_cast<int>(m_table.sections.size()); ++section) {
            const auto& rows = m_table.sections[static_cast<std::size_t>(section)].rows;
            for (int row = -1; row < static_cast<int>(rows.size()); ++row) {
                double need = height({section, row});
                if (row < 0 && !rows.empty())
                    need += height({section, 0});
                if (y + need > body && !m_pages.back().empty()) {
                    m_pages.emplace_back();
                    y = 0;
                    if (row >= 0)
                        place({section, -1, true});
                }
                place({section, row});
            }
        }
    }

    void paintPage(QPainter& painter, int page) {
        const session::ReportHeader& header = m_table.header;
        const QFontMetricsF big = metrics(font(true, 1.2));
        double y = 0;
        painter.setPen(Qt::black);
        painter.setFont(font(true, 1.2));
        const QRectF firstLine(0, y, m_width, big.lineSpacing());
        painter.drawText(firstLine, Qt::AlignLeft | Qt::AlignVCenter, m_table.title);
        painter.setFont(font());
        painter.drawText(firstLine, Qt::AlignRight | Qt::AlignVCenter,
                         header.date.toString(Qt::ISODate));
        y += big.lineSpacing() * 1.2;
        const QRectF secondLine(0, y, m_width, m_line);
        painter.drawText(
            secondLine, Qt::AlignLeft | Qt::AlignVCenter,
            ListPrinter::tr("File: %1")
                .arg(header.fileName.isEmpty() ? ListPrinter::tr("(none)") : header.fileName));
        painter.drawText(secondLine, Qt::AlignRight | Qt::AlignVCenter,
                         ListPrinter::tr("Receiver version: %1")
                             .arg(header.radioVersion == 0
                                      ? ListPrinter::tr("not read yet")
                                      : TransferTexts::radioVersionText(header.radioVersion)));
        y = m_headerHeight;

        painter.setFont(font(true));
        double x = 0;
        for (int column = 0; column < m_table.headings.size(); ++column) {
            const double width = m_columns[static_cast<std::size_t>(column)];
            painter.drawText(QRectF(x + m_padding / 2, y, width - m_padding, m_headingsHeight),
                             kWrapFlags | Qt::AlignLeft | Qt::AlignBottom,
                             m_table.headings[column]);
            x += width;
        }
        y += m_headingsHeight + m_line / 8;
        painter.drawLine(QPointF(0, y), QPointF(m_width, y));

        bool shaded = false;
        for (const Line& line : m_pages[static_cast<std::size_t>(page)]) {
            const Table::Section& section =
                m_table.sections[static_cast<std::size_t>(line.section)];
            const double lineHeight = height(line);
            if (line.row < 0) {
                painter.setFont(font(true));
                painter.drawText(QRectF(0, y, m_width, lineHeight), Qt::AlignLeft | Qt::AlignBottom,
                                 line.continued
                                     ? ListPrinter::tr("%1 (continued)").arg(section.title)
                                     : section.title);
                painter.setFont(font());
                shaded = false;
            } else {
                if (shaded)
                    painter.fillRect(QRectF(0, y, m_width, lineHeight), QColor(235, 235, 235));
                shaded = !shaded;
                const QStringList& row = section.rows[static_cast<std::size_t>(line.row)];
                x = 0;
                for (int column = 0; column < row.size() && column < m_table.headings.size();
                     ++column) {
                    const double width = m_columns[static_cast<std::size_t>(column)];
                    painter.drawText(QRectF(x + m_padding / 2, y, width - m_padding, lineHeight),
                                     kWrapFlags | Qt::AlignLeft | Qt::AlignVCenter, row[column]);
                    x += width;
                }
            }
            y += lineHeight;
        }

        painter.drawText(QRectF(0, m_height - m_line, m_width, m_line), Qt::AlignCenter,
                         ListPrinter::tr("Page %1 of %2").arg(page + 1).arg(m_pages.size()));
    }

    const Table& m_table;
    QPrinter& m_printer;
    double m_width = 0, m_height = 0;
    double m_points = kBasePoints;
    std::vector<double> m_columns;
    int m_wrapped = -1; // the column whose texts wrap; -1: none
    double m_line = 0, m_padding = 0;
    double m_headerHeight = 0, m_headingsHeight = 0, m_footerHeight = 0;
    std::vector<std::vector<Line>> m_pages;
};

} // namespace

bool ListPrinter::print(const session::ListReport& report, const QString& title,
                        QPrinter& printer) {
    Table table{title, report.header, {}, {}};
    for (int column = 0; column < MemoryListModel::kColumnCount; ++column)
        table.headings << gridHeading(column);
    for (const session::ReportSection& section : report.sections) {
        Table::Section& printed = table.sections.emplace_back();
        printed.title = tr("%1: %2 of %3 memories")
                            .arg(qText(section.title))
                            .arg(section.rows.size())
                            .arg(section.memoryCount);
        for (const auto& row : section.rows) {
            QStringList& cells = printed.rows.emplace_back();
            for (const std::string& cell : row)
                cells << qText(cell);
        }
    }
    return PageLayout(table, printer).paint();
}

bool ListPrinter::print(const session::SettingsReport& report, QPrinter& printer) {
    Table table{tr("Settings"), report.header, {tr("Setting"), tr("Value")}, {}};
    for (const session::SettingsReportGroup& group : report.groups) {
        Table::Section& printed = table.sections.emplace_back();
        printed.title = qText(group.title);
        for (const auto& [label, value] : group.items)
            printed.rows.push_back({qText(label), qText(value)});
        if (group.holdsKeyIds)
            for (std::size_t key = 0; key < report.keyIds.size(); ++key)
                printed.rows.push_back(
                    {tr("Remocon key ID %1").arg(key + 1), qText(report.keyIds[key])});
    }
    return PageLayout(table, printer).paint();
}

} // namespace r36::ui
