// bench-safe-writes: Write all and Write changes of 10 memories, each without and with the
// read-back that verifies them, as the session runs them over the real serial-port code against
// the simulated receiver on a pseudo-terminal, paced like a real cable. Prints the medians of
// the wall time, the wire-time bound (every character the receiver sends, echo included, at 10
// bits per character) and their ratio.
//
//   bench-safe-writes [runs [baud]]     (default 3 runs at 115200)

#include "image/memory_record.h"
#include "session/failure_text.h"
#include "session/session.h"
#include "sim/pty_server.h"
#include "sim/receiver_simulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace r36;

namespace {

constexpr int kBitsPerCharacter = 10;
constexpr int kEditedMemories = 10;

struct Case {
    const char* name;
    bool changesOnly;
    bool verify;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

/// Runs what `start` starts to its end; false when it failed.
bool finish(session::Session& session, const std::function<bool()>& start) {
    QEventLoop loop;
    session::TransferResult result;
    QObject::connect(&session.receiver(), &session::Receiver::transferFinished, &loop,
                     [&](const session::TransferResult& ended) {
                         result = ended;
                         loop.quit();
                     });
    if (!start())
        return false;
    loop.exec();
    if (!result.ok())
        std::fprintf(stderr, "%s\n",
                     qPrintable(r36::session::resultText(result, r36::session::Wording::English)));
    return result.ok();
}

/// One write after an unpaced Read all and the edits; wall and wire seconds.
bool measure(int baud, const Case& c, double& wall, double& wire) {
    sim::ReceiverSimulator receiver;
    receiver.loadRealisticMemory();
    sim::PtyServer server(receiver);
    QString error;
    if (!server.start(error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    session::Session session({});
    session.receiver().useDevice(server.devicePath(), 0, baud == 115200 ? 0 : 1);
    if (!finish(session,
                [&] { return session.receiver().startTransfer(session::Transfer::ReadAll); }))
        return false;
    for (int k = 0; k < kEditedMemories; ++k) {
        image::MemoryChannel channel;
        channel.frequencyHz = 145'000'000 + 12'500 * static_cast<std::uint32_t>(k);
        channel.name = "BENCH";
        session.setMemory(150 * k + 10, image::encodeRecord(channel)); // 10: auto flags held
    }
    (void)session.receiver().setVerifyAfterWriting(c.verify);
    server.setBaudRate(baud);
    const qint64 sentBefore = server.bytesSent();
    QElapsedTimer timer;
    timer.start();
    const bool ok = finish(session, [&] {
        return c.changesOnly ? session.receiver().startWriteChanges(session::Transfer::WriteAll)
                             : session.receiver().startTransfer(session::Transfer::WriteAll);
    });
    wall = double(timer.nsecsElapsed()) / 1e9;
    wire = double(server.bytesSent() - sentBefore) * kBitsPerCharacter / double(baud);
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int baud = argc > 2 ? std::atoi(argv[2]) : 115200;
    const Case cases[] = {{"Write all", false, false},
                          {"Write all + verify", false, true},
                          {"Write changes (10)", true, false},
                          {"Write changes (10) + verify", true, true}};
    std::printf("%-28s %9s %9s %7s   (%d baud, medians of %d runs)\n", "command", "wall s",
                "wire s", "ratio", baud, runs);
    for (const Case& c : cases) {
        std::vector<double> walls, wires, ratios;
        for (int run = 0; run < runs; ++run) {
            double wall = 0, wire = 0;
            if (!measure(baud, c, wall, wire))
                return 1;
            walls.push_back(wall);
            wires.push_back(wire);
            ratios.push_back(wall / wire);
            std::fprintf(stderr, "  run %d: %s wall %.3f s wire %.3f s\n", run + 1, c.name, wall,
                         wire);
        }
        std::printf("%-28s %9.3f %9.3f %7.4f\n", c.name, median(walls), median(wires),
                    median(ratios));
        std::fflush(stdout);
    }
    return 0;
}
