// bench-list: the list commands on a full memory list in the window, each timed until the grid
// is painted again:
//  - Sort… of the 1000-memory bank, and of all 1700 memories (every bank and area in turn);
//  - the filter bar narrowing 1700 rows as a text and a range are typed, per keystroke;
//  - Set field… (Step) on all 1700 selected memories.
// Medians over several runs.
//
//   bench-list [runs]     (default 7)

#include "bench_support.h"

#include "image/memory_areas.h"
#include "session/session.h"
#include "ui/main_window.h"
#include "ui/user_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
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

double paintedMs(ui::MainWindow& window, const std::function<void()>& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    window.repaint();
    QApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void selectOne(QTableView& grid, int memory) {
    grid.setCurrentIndex(grid.model()->index(memory, 1));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
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

    std::vector<double> sortBank, sortAll, setField;
    const std::vector<int> groupStarts = {
        0, image::atFirst, image::prgFirst, image::passFirst, image::pass2First, image::prioFirst};
    for (int run = 0; run < runs; ++run) {
        dialogs.descending = run % 2 == 0;
        selectOne(grid, 10);
        sortBank.push_back(paintedMs(window, [&] { action("MenuSort")->trigger(); }));
        dialogs.descending = !dialogs.descending; // every group moves again
        sortAll.push_back(paintedMs(window, [&] {
            for (const int start : groupStarts) {
                selectOne(grid, start);
                action("MenuSort")->trigger();
            }
        }));
        dialogs.step = run % 2 == 0 ? QStringLiteral("8.33KHz") : QStringLiteral("12.5KHz");
        grid.selectAll();
        setField.push_back(paintedMs(window, [&] { action("MenuSetField")->trigger(); }));
    }
    std::fprintf(stderr, "last set field: %s\n", qPrintable(window.statusBar()->currentMessage()));

    // Typed into the filter bar key by key: a name and a range, then taken back.
    action("MenuFilter")->trigger();
    auto& text = *window.findChild<QLineEdit*>(QStringLiteral("txtFilter"));
    auto& range = *window.findChild<QLineEdit*>(QStringLiteral("txtFilterRange"));
    std::vector<double> keystrokes;
    const auto type = [&](QLineEdit& field, const QString& typed) {
        for (const QChar c : typed)
            keystrokes.push_back(paintedMs(window, [&] { QTest::keyClick(&field, c.toLatin1()); }));
        for (qsizetype k = 0; k < typed.size(); ++k)
            keystrokes.push_back(
                paintedMs(window, [&] { QTest::keyClick(&field, Qt::Key_Backspace); }));
    };
    for (int run = 0; run < runs; ++run) {
        type(text, QStringLiteral("M12"));
        type(range, QStringLiteral("110-120"));
    }
    std::printf("sort of the 1000-memory bank          %8.1f ms   (target < 50 ms)\n",
                medianOf(sortBank));
    std::printf("sort of 1700 (each bank and area)     %8.1f ms   (target < 50 ms)\n",
                medianOf(sortAll));
    std::printf("filter of 1700 rows, per keystroke    %8.1f ms   (slowest %.1f ms; target < 50 "
                "ms)\n",
                medianOf(keystrokes), *std::max_element(keystrokes.begin(), keystrokes.end()));
    std::printf("set field on 1700                     %8.1f ms   (target < 50 ms)\n",
                medianOf(setField));
    std::printf("(medians of %d runs; %zu keystrokes)\n", runs, keystrokes.size());
    return 0;
}
