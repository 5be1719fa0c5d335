// bench-undo: what the edit history costs in a long editing session, without the window: the
// process's memory growth after many single-memory edits and after many 1700-row pastes, each
// one a step of the history, and the time of one edit, and of one paste, its undo and its redo.
//
//   bench-undo [edits] [pastes]     (default 10000 and 100)

#include "bench_support.h"

#include "image/memory_areas.h"
#include "session/session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

using namespace r36;
using bench::fullList;
using bench::medianOf;

namespace {

/// The process's resident memory in megabytes, from the kernel's own count.
double residentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

double millisecondsOf(const std::function<void()>& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int edits = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10'000;
    const int pastes = argc > 2 ? std::max(2, std::atoi(argv[2])) : 100;
    session::Session session({});
    const std::vector<std::string> lists[2] = {fullList(0), fullList(7)};
    (void)session.setMemories(0, lists[0], QStringLiteral("Fill"));

    // A user typing into a full list: each edit one memory, each one step of the history.
    std::vector<double> editMs;
    const double beforeEdits = residentMb();
    const std::clock_t cpuBefore = std::clock();
    for (int edit = 0; edit < edits; ++edit) {
        const int memory = edit % image::kUserMemoryCount;
        const std::string record = image::encodeRecord(
            {.frequencyHz = 400'000'000 + static_cast<std::uint32_t>(edit) * 5'000,
             .name = "E" + std::to_string(edit)});
        editMs.push_back(millisecondsOf([&] { session.setMemory(memory, record); }));
    }
    const double editCpuMs = 1000.0 * static_cast<double>(std::clock() - cpuBefore) /
                             CLOCKS_PER_SEC / edits; // the machine's other load left out
    const double editGrowth = residentMb() - beforeEdits;
    std::printf("memory growth after %d single edits %8.1f MB   (%.2f KB a step)\n", edits,
                editGrowth, editGrowth * 1024 / edits);
    std::printf("one edit: median %.3f ms, mean %.3f ms, slowest %.3f ms, processor time %.3f ms "
                "  (target < 1 ms)\n",
                medianOf(editMs), std::accumulate(editMs.begin(), editMs.end(), 0.0) / edits,
                *std::max_element(editMs.begin(), editMs.end()), editCpuMs);

    std::vector<double> pasteMs, undoMs, redoMs;
    const double beforePastes = residentMb();
    for (int paste = 0; paste < pastes; ++paste) {
        const auto& records = lists[(paste + 1) % 2];
        pasteMs.push_back(millisecondsOf(
            [&] { (void)session.setMemories(0, records, QStringLiteral("Paste")); }));
    }
    const double pasteGrowth = residentMb() - beforePastes;
    std::printf("memory growth after %d pastes of 1700 rows %8.1f MB   (%.1f KB a step)\n", pastes,
                pasteGrowth, pasteGrowth * 1024 / pastes);
    const std::string& last = lists[pastes % 2].back();
    for (int run = 0; run < 9; ++run) {
        undoMs.push_back(millisecondsOf([&] { session.undo(); }));
        const bool undone = session.image().memRecord[image::lastStoredMemory] != last;
        redoMs.push_back(millisecondsOf([&] { session.redo(); }));
        if (!undone || session.image().memRecord[image::lastStoredMemory] != last) {
            std::fprintf(stderr, "the undo or the redo did not change the 1700 memories\n");
            return 1;
        }
    }
    std::printf("paste of 1700 rows %8.2f ms\n", medianOf(pasteMs));
    std::printf("undo of that paste %8.2f ms   (target < 50 ms)\n", medianOf(undoMs));
    std::printf("redo of that paste %8.2f ms   (target < 50 ms)\n", medianOf(redoMs));
    std::printf("(%d steps in the history; times are medians)\n", session.undoStack().count());
    return 0;
}
