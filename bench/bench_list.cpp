// bench-list: the list commands on a full memory list in the window, each timed until the grid
// is painted again:
//  - Sort… of the 1000-memory bank, and of all 1700 memories (every bank and area in turn);
//  - the filter bar narrowing 1700 rows as a text and a range are typed, per keystroke;
//  - Set field… (Step) on all 1700 selected memories;
//  - for the choice of how the filter hides rows: the same filtering in a bare table that hides
//    rows (as the grid does) and in one behind a filtering proxy model (the design not taken,
//    since every command's row would then need mapping to its memory).
// Medians over several runs.
//
//   bench-list [runs]     (default 7)

#include "bench_support.h"

#include "image/memory_areas.h"
#include "image/memory_filter.h"
#include "session/session.h"
#include "ui/main_window.h"
#include "ui/user_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using namespace r36;
using bench::medianOf;

namespace {

/// Sorts descending or ascending by turns (so every run moves records), and sets Step to
/// 8.33KHz or 12.5KHz by turns (so every run changes all 1700 memories).
class BenchDialogs : public ui::UserDialogs {
public:
    bool descending = false;
    QString step;
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    void message(QWidget*, Icon, const QString&, const QString& text,
                 const QString& details) override {
        std::fprintf(stderr, "%s %s\n", qPrintable(text), qPrintable(details));
    }
    bool askOkCancel(QWidget*, Icon, const QString&, const QString&) override { return false; }
    int choose(QWidget*, const Choice& choice, int* picked) override {
        if (choice.objectName == QLatin1String("frmSort")) {
            *picked = 0; // the frequency
            return descending ? 1 : 0;
        }
        if (choice.objectName == QLatin1String("frmSetField")) {
            *picked = static_cast<int>(choice.lines.indexOf(QStringLiteral("Step")));
            return 0;
        }
        if (choice.objectName == QLatin1String("frmSetFieldValue")) {
            *picked = static_cast<int>(choice.lines.indexOf(step));
            return 0;
        }
        return -1;
    }
    bool askText(QWidget*, const QString&, const QString&, QString&) override { return false; }
};

/// Wall-clock and this thread's processor time of one command until the window is painted:
/// the machine is shared, and the processor time leaves the other load out.
struct Figure {
    double wallMs = 0;
    double cpuMs = 0;
};

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

Figure painted(ui::MainWindow& window, const std::function<void()>& action) {
    QElapsedTimer timer;
    const double cpuBefore = threadCpuMs();
    timer.start();
    action();
    window.repaint();
    QApplication::processEvents();
    return {static_cast<double>(timer.nsecsElapsed()) / 1e6, threadCpuMs() - cpuBefore};
}

void print(const char* what, const std::vector<Figure>& figures) {
    std::vector<double> wall, cpu;
    for (const Figure& figure : figures) {
        wall.push_back(figure.wallMs);
        cpu.push_back(figure.cpuMs);
    }
    std::printf("%-38s %7.1f ms  (processor %6.1f ms, slowest %6.1f ms)   target < 50 ms\n", what,
                medianOf(wall), medianOf(cpu), *std::max_element(wall.begin(), wall.end()));
}

/// Rows accepted from a list of flags, as a proxy-model filter would hold them.
class FlagProxy : public QSortFilterProxyModel {
public:
    std::vector<bool> shown;
    void refilter() { invalidateFilter(); }

protected:
    bool filterAcceptsRow(int row, const QModelIndex&) const override {
        return shown.empty() || shown[static_cast<std::size_t>(row)];
    }
};

/// Filters a bare 1700-row table key by key through `apply`, painting after each key.
std::vector<Figure> bareFiltering(ui::MainWindow& window, QTableView& table, int runs,
                                  const std::function<void(const std::vector<bool>&)>& apply) {
    table.resize(1200, 700);
    table.show();
    QApplication::processEvents();
    std::vector<Figure> figures;
    const QStringList typed = {QStringLiteral("M"),  QStringLiteral("M1"), QStringLiteral("M12"),
                               QStringLiteral("M1"), QStringLiteral("M"),  QString()};
    for (int run = 0; run < runs; ++run)
        for (const QString& text : typed)
            figures.push_back(painted(window, [&] {
                image::MemoryFilter filter;
                filter.text = text.toStdString();
                apply(image::memoriesShown(filter, window.session().image(),
                                           window.session().labels()));
                table.repaint();
            }));
    table.hide();
    return figures;
}

void selectOne(QTableView& grid, int memory) {
    grid.setCurrentIndex(grid.model()->index(memory, 1));
}

} // namespace

int main(int argc, char* argv[]) {
    bench::paintOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    const int runs = bench::runsAsked(argc, argv, 7);
    QTemporaryDir dir;
    BenchDialogs dialogs;
    ui::MainWindow::Options options;
    options.settingsFilePath = dir.filePath(QStringLiteral("QB-R36w.ini"));
    options.dialogs = &dialogs;
    ui::MainWindow window(options);
    window.resize(1400, 900);
    window.show();
    QApplication::processEvents();
    session::Session& session = window.session();
    // One bank of 1000 memories: the largest block a sort may take.
    (void)session.commitBankCount(0, QStringLiteral("1000"));
    for (int bank = 1; bank < image::kBankCount; ++bank)
        (void)session.commitBankCount(bank, QStringLiteral("0"));
    if (!session.partitionValid())
        std::fprintf(stderr, "the partition is not whole\n");
    (void)session.setMemories(0, bench::fullList(0), QStringLiteral("Fill"));
    auto& grid = *window.findChild<QTableView*>(QStringLiteral("ltc"));
    const auto action = [&](const char* name) {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    };

    std::vector<Figure> sortBank, sortAll, setField;
    const std::vector<int> groupStarts = {
        0, image::atFirst, image::prgFirst, image::passFirst, image::pass2First, image::prioFirst};
    for (int run = 0; run < runs; ++run) {
        dialogs.descending = run % 2 == 0;
        selectOne(grid, 10);
        sortBank.push_back(painted(window, [&] { action("MenuSort")->trigger(); }));
        dialogs.descending = !dialogs.descending; // every group moves again
        sortAll.push_back(painted(window, [&] {
            for (const int start : groupStarts) {
                selectOne(grid, start);
                action("MenuSort")->trigger();
            }
        }));
        dialogs.step = run % 2 == 0 ? QStringLiteral("8.33KHz") : QStringLiteral("12.5KHz");
        grid.selectAll();
        setField.push_back(painted(window, [&] { action("MenuSetField")->trigger(); }));
    }
    std::fprintf(stderr, "last set field: %s\n", qPrintable(window.statusBar()->currentMessage()));

    // Typed into the filter bar key by key: a name and a range, then taken back.
    action("MenuFilter")->trigger();
    auto& text = *window.findChild<QLineEdit*>(QStringLiteral("txtFilter"));
    auto& range = *window.findChild<QLineEdit*>(QStringLiteral("txtFilterRange"));
    std::vector<Figure> keystrokes;
    const auto type = [&](QLineEdit& field, const QString& typed) {
        for (const QChar c : typed)
            keystrokes.push_back(painted(window, [&] { QTest::keyClick(&field, c.toLatin1()); }));
        for (qsizetype k = 0; k < typed.size(); ++k)
            keystrokes.push_back(
                painted(window, [&] { QTest::keyClick(&field, Qt::Key_Backspace); }));
    };
    for (int run = 0; run < runs; ++run) {
        type(text, QStringLiteral("M12"));
        type(range, QStringLiteral("110-120"));
    }
    print("sort of the 1000-memory bank", sortBank);
    print("sort of 1700 (each bank and area)", sortAll);
    print("filter of 1700 rows, per keystroke", keystrokes);
    print("set field on 1700", setField);

    QTableView hiding, proxied;
    FlagProxy proxy;
    proxy.setSourceModel(grid.model());
    hiding.setModel(grid.model());
    proxied.setModel(&proxy);
    print("bare table, rows hidden, per key", bareFiltering(window, hiding, runs, [&](auto& shown) {
              for (int row = 0; row < image::kUserMemoryCount; ++row)
                  if (hiding.isRowHidden(row) != !shown[static_cast<std::size_t>(row)])
                      hiding.setRowHidden(row, !shown[static_cast<std::size_t>(row)]);
          }));
    print("bare table, proxy model, per key",
          bareFiltering(window, proxied, runs, [&](auto& shown) {
              proxy.shown = shown;
              proxy.refilter();
          }));
    std::printf("(medians of %d runs; %zu keystrokes)\n", runs, keystrokes.size());
    return 0;
}
