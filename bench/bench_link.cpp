// bench-link: Read all and Write all through the real serial-port code against the simulated
// receiver on a pseudo-terminal, paced like a real cable. Prints, per speed and command, the
// wall time, the wire-time bound (every character the receiver sends, echo included, at 10 bits
// per character: the line cannot carry them faster), their ratio, and the process's CPU time as
// a share of the wall time. Medians over several runs. With --log, every exchange also goes into
// a communication log written to FILE as it happens, as QBR36_LOG and qbr36-cli --log do.
//
//   bench-link [--log FILE] [runs [baud]]     (default 3 runs at 115200 and at 38400)

#include "image/clone_image.h"
#include "link/clone_transfer.h"
#include "link/comm_log.h"
#include "link/radio_link.h"
#include "link/serial_transport.h"
#include "session/failure_text.h"
#include "sim/pty_server.h"
#include "sim/receiver_simulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using namespace r36;

namespace {

constexpr int kBitsPerCharacter = 10;

double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct Figures {
    double wallSeconds = 0;
    double wireSeconds = 0;
    double cpuSeconds = 0;
    double ratio() const { return wallSeconds / wireSeconds; }
    double cpuShare() const { return cpuSeconds / wallSeconds; }
};

/// The 1-minute load average: the figures depend on how busy the machine's cores are.
double loadAverage() {
    double load = 0;
    if (std::FILE* file = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(file, "%lf", &load) != 1)
            load = 0;
        std::fclose(file);
    }
    return load;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

/// One command over a fresh pseudo-terminal; false when it failed.
bool measure(int baud, bool write, const QString& logPath, Figures& figures) {
    sim::ReceiverSimulator receiver;
    receiver.loadRealisticMemory();
    sim::PtyServer server(receiver);
    server.setBaudRate(baud);
    QString error;
    if (!server.start(error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    link::SerialTransport serial;
    serial.setPort(server.devicePath(), baud == 115200 ? 0 : 1, 0);
    image::LinkState state;
    state.commSpeed = baud == 115200 ? 0 : 1;
    link::CommLog log; // outlives the link that adds to it
    link::RadioLink radio(serial, state);
    if (!logPath.isEmpty()) {
        if (const Outcome live = log.writeAlongTo(logPath); !live) {
            std::fprintf(stderr, "%s\n", r36::session::englishText(live.why()).c_str());
            return false;
        }
        radio.setCommLog(&log);
    }
    image::CloneImage image = image::freshImage();
    link::CloneTransfer transfer(radio, image);
    if (write) {
        // Write back what the receiver holds, as a user does after editing; the read that
        // fills the image is not measured, so it runs unpaced.
        server.setBaudRate(0);
        if (!transfer.readAll()) {
            std::fprintf(stderr, "Read all before Write all failed\n");
            return false;
        }
        radio.disconnectRadio();
        server.setBaudRate(baud);
    }

    const qint64 sentBefore = server.bytesSent();
    const double cpuBefore = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    const Outcome outcome = write ? transfer.writeAll() : transfer.readAll();
    figures.wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    figures.cpuSeconds = processCpuSeconds() - cpuBefore;
    figures.wireSeconds =
        double(server.bytesSent() - sentBefore) * kBitsPerCharacter / double(baud);
    radio.disconnectRadio();
    if (!outcome) {
        std::fprintf(stderr, "%s\n", r36::session::englishText(outcome.why()).c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    QString logPath;
    if (arguments.size() > 2 && arguments[1] == QLatin1String("--log")) {
        logPath = arguments[2];
        arguments.remove(1, 2);
    }
    const int runs = arguments.size() > 1 ? std::max(1, arguments[1].toInt()) : 3;

    std::printf("%-9s %-10s %9s %9s %7s %7s   (medians of %d runs, log %s)\n", "baud", "command",
                "wall s", "wire s", "ratio", "CPU", runs, logPath.isEmpty() ? "off" : "on");
    std::vector<int> speeds{115200, 38400};
    if (arguments.size() > 2)
        speeds = {arguments[2].toInt()};
    for (int baud : speeds) {
        for (bool write : {false, true}) {
            std::vector<double> wall, wire, ratio, cpu;
            for (int run = 0; run < runs; ++run) {
                Figures figures;
                if (!measure(baud, write, logPath, figures))
                    return 1;
                wall.push_back(figures.wallSeconds);
                wire.push_back(figures.wireSeconds);
                ratio.push_back(figures.ratio());
                cpu.push_back(figures.cpuShare());
                std::fprintf(stderr,
                             "  run %d: %d %s wall %.3f s wire %.3f s ratio %.4f CPU %.2f%% "
                             "(load average %.2f on %d cores)\n",
                             run + 1, baud, write ? "write" : "read", figures.wallSeconds,
                             figures.wireSeconds, figures.ratio(), 100 * figures.cpuShare(),
                             loadAverage(), QThread::idealThreadCount());
            }
            std::printf("%-9d %-10s %9.3f %9.3f %7.4f %6.2f%%\n", baud,
                        write ? "Write all" : "Read all", median(wall), median(wire), median(ratio),
                        100 * median(cpu));
            std::fflush(stdout);
        }
    }
    return 0;
}
