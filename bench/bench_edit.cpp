// bench-edit: what the user waits for when editing the whole memory list at once, in the window
// with all 1700 memories in use: Ctrl+V of 1700 copied rows (raw records, then tab-separated
// text as a spreadsheet gives it) until the grid is painted, and Ctrl+Z of that paste.
// Medians over several runs.
//
//   bench-edit [runs]     (default 7)

#include "bench_support.h"

#include "files/clipboard_rows.h"
#include "image/memory_areas.h"
#include "image/memory_record.h"
#include "session/session.h"
#include "ui/main_window.h"
#include "session/list_edits.h"
#include "image/memory_sort.h"
#include "ui/memory_grid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

using namespace r36;
using bench::fullList;
using bench::medianOf;

namespace {

/// Milliseconds from `action` until the window has painted what it changed.
double timed(QWidget& window, const std::function<void()>& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    window.repaint();
    QApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    bench::paintOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    const int runs = bench::runsAsked(argc, argv, 7);
    QTemporaryDir dir;
    ui::MainWindow::Options options;
    options.settingsFilePath = dir.filePath(QStringLiteral("QB-R36w.ini"));
    ui::MainWindow window(options);
    window.show();
    session::Session& session = window.session();
    (void)session.setMemories(0, fullList(0), QStringLiteral("Fill"));

    image::CloneImage copied = session.image();
    const std::vector<std::string> other = fullList(7);
    std::copy(other.begin(), other.end(), copied.memRecord.begin());
    const int last = image::lastStoredMemory;
    auto* grid = window.findChild<ui::MemoryGrid*>(QStringLiteral("ltc"));
    auto* paste = window.findChild<QAction*>(QStringLiteral("MenuPaste"));
    auto* undo = window.findChild<QAction*>(QStringLiteral("MenuUndo"));

    for (const bool raw : {true, false}) {
        auto* data = new QMimeData;
        data->setText(QString::fromStdString(files::copiedText(copied, session.labels(), 0, last)));
        if (raw)
            data->setData(QString::fromLatin1(files::kRecordsMimeType),
                          QByteArray::fromStdString(files::copiedRecords(copied, 0, last)));
        QGuiApplication::clipboard()->setMimeData(data);
        std::vector<double> pasted;
        std::vector<double> undone;
        for (int run = 0; run <= runs; ++run) { // the first run warms the caches up
            grid->setCurrentIndex(grid->model()->index(0, 1));
            const double pasteMs = timed(window, [&] { paste->trigger(); });
            if (session.image().memRecord[last] != copied.memRecord[last]) {
                std::fprintf(stderr, "the paste changed nothing\n");
                return 1;
            }
            const double undoMs = timed(window, [&] { undo->trigger(); });
            if (run > 0) {
                pasted.push_back(pasteMs);
                undone.push_back(undoMs);
            }
        }
        const char* what = raw ? "records" : "TSV    ";
        std::printf("paste 1700 rows (%s) %8.1f ms   (target < 100 ms)\n", what, medianOf(pasted));
        std::printf("undo that paste (%s) %8.1f ms   (target < 100 ms)\n", what, medianOf(undone));
    }
    // Sorting works within one bank or area: every group of the 1700 sorted in turn.
    std::vector<double> sorted;
    std::vector<double> setField;
    std::vector<int> all(image::kUserMemoryCount);
    std::iota(all.begin(), all.end(), 0);
    for (int run = 0; run <= runs; ++run) {
        const double sortMs = timed(window, [&] {
            for (int first = 0; first <= last;) {
                const int groupLast = image::memoryGroup(session.image().bankTable, first).second;
                (void)session.sortMemories(first, groupLast, image::SortKey::Frequency, run % 2);
                first = groupLast + 1;
            }
        });
        const double setMs = timed(window, [&] {
            (void)session.setField(all, 2, run % 2 ? "8.33KHz" : "5KHz"); // Step
        });
        if (run > 0) {
            sorted.push_back(sortMs);
            setField.push_back(setMs);
        }
    }
    std::printf("sort all 1700 (bank by bank)  %8.1f ms   (target < 50 ms)\n", medianOf(sorted));
    std::printf("set Step on 1700              %8.1f ms   (target < 50 ms)\n", medianOf(setField));
    std::printf("(medians of %d runs, 1700 memories in use)\n", runs);
    return 0;
}
