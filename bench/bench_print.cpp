// bench-print: File > Export PDF… of 1700 memories in use, from the session's report to the
// written file (the list gathered, measured, broken into pages and painted), and the settings
// page. Medians over several runs.
//
//   bench-print [runs]     (default 5)

#include "bench_support.h"

#include "session/list_report.h"
#include "session/session.h"
#include "session/settings_report.h"
#include "ui/list_printer.h"
#include "ui/settings_page.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace r36;

namespace {

/// Median milliseconds of `runs` PDFs that `print` writes to `path`.
double medianPdfMs(int runs, const QString& path, const std::function<bool(QPrinter&)>& print) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
        if (!print(printer))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return bench::medianOf(times);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    session::Session session({});
    (void)session.setMemories(0, bench::fullList(0), QStringLiteral("Fill"));
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("list.pdf"));
    const QString settings = dir.filePath(QStringLiteral("settings.pdf"));

    const double listMs = medianPdfMs(runs, list, [&](QPrinter& printer) {
        const session::ListReport report = session::listReport(
            session, session::ReportScope::AllMemories, {}, -1, QDate::currentDate());
        return ui::ListPrinter::print(report, QStringLiteral("Memory list"), printer);
    });
    std::printf("PDF of 1700 memories in use: median %.0f ms over %d runs, %lld KB   "
                "(target < 2000 ms)\n",
                listMs, runs, QFileInfo(list).size() / 1024);
    const double settingsMs = medianPdfMs(runs, settings, [&](QPrinter& printer) {
        return ui::ListPrinter::print(session::settingsReport(session,
                                                              ui::SettingsPage::groupCaptions(),
                                                              QDate::currentDate()),
                                      printer);
    });
    std::printf("PDF of the settings page: median %.0f ms, %lld KB\n", settingsMs,
                QFileInfo(settings).size() / 1024);
    return 0;
}
