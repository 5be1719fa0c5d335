// bench-ui: what the user waits for in the window.
//  - start-up: constructing the main window until it is shown and painted (the splash's 500 ms
//    are not counted);
//  - refresh: after opening a clone file with all 1700 memories in use, resetting the grid and
//    painting it, and rendering every cell of all 1700 rows through the model;
//  - Read all through the window's menu against the paced simulator on a pseudo-terminal,
//    as a ratio to the same command run at link level without a window.
// Medians over several runs.
//
//   bench-ui [runs]     (default 5; the Read all figures use at most 3)

#include "files/clone_file.h"
#include "image/memory_record.h"
#include "link/clone_transfer.h"
#include "link/radio_link.h"
#include "link/serial_transport.h"
#include "session/failure_text.h"
#include "sim/pty_server.h"
#include "sim/receiver_simulator.h"
#include "session/session.h"
#include "ui/main_window.h"
#include "ui/memory_grid.h"
#include "ui/memory_list_model.h"
#include "ui/memory_page.h"
#include "ui/user_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace r36;

namespace {

constexpr int kBaud = 115200;

/// Answers every file dialog with one path and stays silent otherwise.
class QuietDialogs : public ui::UserDialogs {
public:
    QString path;
    int failures = 0;
    QString openFileName(QWidget*, const QString&, const QString&) override { return path; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return path; }
    void message(QWidget*, Icon icon, const QString&, const QString& text,
                 const QString& details) override {
        if (icon == Icon::Critical) {
            ++failures;
            std::fprintf(stderr, "%s: %s\n", qPrintable(text), qPrintable(details));
        }
    }
    bool askOkCancel(QWidget*, Icon, const QString&, const QString&) override { return true; }
    /// A write goes ahead as Write all, as it did before it asked.
    int choose(QWidget*, const Choice& choice, int*) override {
        const int all = static_cast<int>(choice.buttons.indexOf(QStringLiteral("Write all")));
        return all >= 0 ? all
                        : static_cast<int>(
                              choice.buttons.indexOf(QStringLiteral("Write without reading")));
    }
    bool askText(QWidget*, const QString&, const QString&, QString&) override { return false; }
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double milliseconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

ui::MainWindow::Options windowOptions(const QTemporaryDir& dir, QuietDialogs& dialogs) {
    ui::MainWindow::Options options;
    options.settingsFilePath = dir.filePath(QStringLiteral("QB-R36w.ini"));
    options.dialogs = &dialogs;
    return options;
}

QAction* menuItem(ui::MainWindow& window, const char* menu, const QString& text) {
    for (QAction* action : window.findChild<QMenu*>(QString::fromLatin1(menu))->actions())
        if (action->text().startsWith(text))
            return action;
    return nullptr;
}

void paint(ui::MainWindow& window) {
    window.repaint();
    QApplication::processEvents();
}

double startUpMs(const QTemporaryDir& dir) {
    QuietDialogs dialogs;
    QElapsedTimer timer;
    timer.start();
    ui::MainWindow window(windowOptions(dir, dialogs));
    window.show();
    paint(window);
    return milliseconds(timer);
}

/// A clone file in which every user memory is in use.
QString fullCloneFile(const QTemporaryDir& dir) {
    image::CloneImage image = image::freshImage();
    for (int memory = 0; memory < image::kUserMemoryCount; ++memory) {
        image::MemoryChannel channel;
        channel.frequencyHz = 100'000'000 + 12'500u * static_cast<unsigned>(memory);
        channel.mode = static_cast<std::uint8_t>(memory % 3);
        channel.step = static_cast<std::uint8_t>(memory % 16);
        channel.subtone = static_cast<std::uint8_t>(memory % 5);
        channel.skip = memory % 7 == 0;
        channel.name = "M" + std::to_string(memory);
        image.memRecord[memory] = image::encodeRecord(channel);
    }
    const QString path = dir.filePath(QStringLiteral("full.R36"));
    const QString settings = dir.filePath(QStringLiteral("QB-R36w.ini"));
    if (!files::writeCloneFile(path, image, image::LinkState{}, settings))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return path;
}

struct RefreshFigures {
    double openMs = 0;      // File > Open: read, refresh, relabel, settings page
    double refreshMs = 0;   // grid reset and repaint
    double renderAllMs = 0; // every cell of 1700 rows through the model
};

RefreshFigures refresh(const QTemporaryDir& dir, const QString& cloneFile) {
    QuietDialogs dialogs;
    dialogs.path = cloneFile;
    ui::MainWindow window(windowOptions(dir, dialogs));
    window.show();
    paint(window);

    RefreshFigures figures;
    QElapsedTimer timer;
    timer.start();
    menuItem(window, "MenuFile", QStringLiteral("Open"))->trigger();
    paint(window);
    figures.openMs = milliseconds(timer);

    timer.restart();
    auto& model = *static_cast<ui::MemoryListModel*>(
        window.findChild<QTableView*>(QStringLiteral("ltc"))->model());
    model.showAllMemoryRows();
    paint(window);
    figures.refreshMs = milliseconds(timer);

    timer.restart();
    qsizetype characters = 0;
    for (int row = 0; row < model.rowCount(); ++row)
        for (int column = 0; column < model.columnCount(); ++column)
            characters += model.data(model.index(row, column)).toString().size();
    figures.renderAllMs = milliseconds(timer);
    if (characters == 0)
        std::fprintf(stderr, "the grid rendered nothing\n");
    return figures;
}

/// Read all at 115200 baud over a fresh pseudo-terminal, through the window or at link level.
double readAllSeconds(const QTemporaryDir& dir, bool throughWindow) {
    sim::ReceiverSimulator receiver;
    receiver.loadRealisticMemory();
    sim::PtyServer server(receiver);
    server.setBaudRate(kBaud);
    QString error;
    if (!server.start(error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return -1;
    }
    QElapsedTimer timer;
    if (throughWindow) {
        qputenv("QBR36_COM1", server.devicePath().toLocal8Bit());
        QuietDialogs dialogs;
        ui::MainWindow window(windowOptions(dir, dialogs));
        window.show();
        paint(window);
        QSignalSpy finished(&window.session().receiver(), &session::Receiver::transferFinished);
        timer.start();
        menuItem(window, "MenuComm", QStringLiteral("Read all"))->trigger();
        finished.wait(120000);
        const double seconds = milliseconds(timer) / 1000;
        qunsetenv("QBR36_COM1");
        return dialogs.failures ? -1 : seconds;
    }
    link::SerialTransport serial;
    serial.setPort(server.devicePath(), 0, 0);
    image::LinkState state;
    link::RadioLink radio(serial, state);
    image::CloneImage image = image::freshImage();
    link::CloneTransfer transfer(radio, image);
    timer.start();
    const Outcome outcome = transfer.readAll();
    const double seconds = milliseconds(timer) / 1000;
    radio.disconnectRadio();
    if (!outcome)
        std::fprintf(stderr, "%s\n", r36::session::englishText(outcome.why()).c_str());
    return outcome ? seconds : -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;

    std::vector<double> startUp;
    startUpMs(dir); // the first run loads fonts and plugins
    for (int run = 0; run < runs; ++run)
        startUp.push_back(startUpMs(dir));
    std::printf("start-up to window shown       %8.1f ms   (target < 300 ms)\n", median(startUp));
    std::fflush(stdout);

    const QString cloneFile = fullCloneFile(dir);
    std::vector<double> open, refreshed, rendered;
    for (int run = 0; run < runs; ++run) {
        const RefreshFigures figures = refresh(dir, cloneFile);
        open.push_back(figures.openMs);
        refreshed.push_back(figures.refreshMs);
        rendered.push_back(figures.renderAllMs);
    }
    std::printf("open full clone file           %8.1f ms\n", median(open));
    std::printf("refresh 1700 rows (reset+paint)%8.1f ms   (target < 50 ms)\n", median(refreshed));
    std::printf("render all 1700 rows x 12 cells%8.1f ms\n", median(rendered));
    std::fflush(stdout);

    const int transferRuns = std::min(runs, 3);
    std::vector<double> window, linkLevel;
    for (int run = 0; run < transferRuns; ++run) {
        const double viaWindow = readAllSeconds(dir, true);
        const double direct = readAllSeconds(dir, false);
        if (viaWindow < 0 || direct < 0)
            return 1;
        window.push_back(viaWindow);
        linkLevel.push_back(direct);
        std::fprintf(stderr, "  run %d: window %.3f s, link level %.3f s\n", run + 1, viaWindow,
                     direct);
    }
    const double ratio = median(window) / median(linkLevel);
    std::printf("Read all at %d baud: window %.3f s, link level %.3f s, ratio %.4f   "
                "(target within 5%%)\n",
                kBaud, median(window), median(linkLevel), ratio);
    std::printf("(medians of %d runs; Read all of %d)\n", runs, transferRuns);
    return 0;
}
