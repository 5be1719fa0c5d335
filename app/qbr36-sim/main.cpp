// qbr36-sim: a simulated receiver on a pseudo-terminal, for trying the program without a radio.
// Prints the device path to open as its first line, serves until SIGTERM or SIGINT.

#include "sim/fault_text.h"
#include "sim/pty_server.h"
#include "sim/receiver_simulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/signalfd.h>
#include <unistd.h>

using r36::sim::ReceiverSimulator;

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "qbr36-sim: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    // Termination signals arrive through a descriptor the event loop watches, so the memory is
    // saved on the way out. They are blocked before any thread exists.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qbr36-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "A simulated QB-R36 receiver on a pseudo-terminal.\n"
            "The first line printed is the device to open, e.g. /dev/pts/7; point a port at it "
            "with\n"
            "QBR36_COM1=/dev/pts/7. Serves until SIGTERM or SIGINT.\n"
            "Faults: KIND@command=N (the Nth command received, counted from 1) or\n"
            "KIND@address=0xADDR (the first command at that address), optionally followed by\n"
            ",repeat and, for stall, late-reply and late-pieces, ,late=MS (default 1500).\n"
            "stall (or late-reply): the answer after MS, later answers behind it; late-pieces: "
            "the\n"
            "answer after MS in three pieces; noise: a burst of noise before the answer.\n"
            "KIND is one of:\n") +
        r36::sim::faultKindNames() + QLatin1Char('.'));
    parser.addHelpOption();
    const QCommandLineOption baud(QStringLiteral("baud"),
                                  QStringLiteral("Pace the output at 115200 or 38400 baud, "
                                                 "10 bits per character; 0 = unpaced (default)."),
                                  QStringLiteral("rate"), QStringLiteral("0"));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Six-character firmware version to report "
                                                    "(default 002-06)."),
                                     QStringLiteral("text"), QStringLiteral("002-06"));
    const QCommandLineOption file(QStringLiteral("file"),
                                  QStringLiteral("Start from a .R36 clone file or a raw "
                                                 "65536-byte memory image."),
                                  QStringLiteral("path"));
    const QCommandLineOption blank(QStringLiteral("blank"),
                                   QStringLiteral("Start from a blank memory (default: a receiver "
                                                  "in everyday use)."));
    const QCommandLineOption fault(QStringLiteral("fault"),
                                   QStringLiteral("Inject a fault (repeatable)."),
                                   QStringLiteral("spec"));
    const QCommandLineOption save(QStringLiteral("save"),
                                  QStringLiteral("On exit, write the raw 65536-byte memory here."),
                                  QStringLiteral("path"));
    parser.addOptions({baud, version, file, blank, fault, save});
    parser.process(app);

    ReceiverSimulator receiver;
    const QString versionText = parser.value(version);
    if (versionText.size() != 6)
        return fail(QStringLiteral("--version needs six characters, like 002-06"));
    receiver.setVersion(versionText.toStdString());
    if (parser.isSet(file)) {
        QString error;
        if (!receiver.loadFile(parser.value(file), error))
            return fail(error);
    } else if (parser.isSet(blank)) {
        receiver.loadBlankMemory();
    } else {
        receiver.loadRealisticMemory();
    }
    for (const QString& text : parser.values(fault)) {
        QString error;
        const auto parsed = r36::sim::parseFault(text, error);
        if (!parsed)
            return fail(error);
        receiver.addFault(*parsed);
    }
    bool baudOk = false;
    const int baudRate = parser.value(baud).toInt(&baudOk);
    if (!baudOk || (baudRate != 0 && baudRate != 115200 && baudRate != 38400))
        return fail(QStringLiteral("--baud must be 115200, 38400 or 0"));

    r36::sim::PtyServer server(receiver);
    server.setBaudRate(baudRate);
    QString error;
    if (!server.start(error))
        return fail(error);

    const int signalFd = signalfd(-1, &stopSignals, SFD_NONBLOCK | SFD_CLOEXEC);
    if (signalFd < 0)
        return fail(QStringLiteral("cannot watch for signals"));
    QSocketNotifier signalNotifier(signalFd, QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app,
                     [] { QCoreApplication::quit(); });

    std::printf("%s\n", qPrintable(server.devicePath()));
    std::fflush(stdout);
    app.exec();
    ::close(signalFd);

    if (parser.isSet(save) && !receiver.saveFile(parser.value(save), error))
        return fail(error);
    return 0;
}
