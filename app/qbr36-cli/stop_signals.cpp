#include "stop_signals.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace r36::cli {

#ifdef Q_OS_UNIX

namespace {

// What the signal handlers may reach: the socket they write to, the signal that came first, and
// whether the event loop has seen it.
volatile std::sig_atomic_t g_signalSocket = -1;
volatile std::sig_atomic_t g_firstSignal = 0;
volatile std::sig_atomic_t g_seen = 0;

// The event loop sees a signal at once unless the program is stuck in a call that does not
// return (opening a FIFO nobody writes to): then the signal ends it after this grace.
constexpr unsigned kGraceSeconds = 3;

extern "C" void onStopSignal(int signal) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full socket already holds a byte the loop has not read: nothing is lost.
    [[maybe_unused]] const ssize_t written = ::write(g_signalSocket, &byte, 1);
    if (g_firstSignal == 0) {
        g_firstSignal = signal;
        ::alarm(kGraceSeconds);
    }
    errno = savedErrno;
}

extern "C" void onGraceOver(int) {
    if (g_seen || g_firstSignal == 0)
        return;
    static const char kText[] = "qbr36-cli: stopped at once: the command was waiting on "
                                "something that does not answer\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, kText, sizeof kText - 1);
    // Ended by the signal itself, so the caller sees what ended it.
    ::signal(g_firstSignal, SIG_DFL);
    ::raise(g_firstSignal);
}

// SIGHUP: the terminal closed or the ssh session dropped.
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

} // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, m_sockets) != 0)
        return; // no socket pair: the signals keep their default handling
    g_signalSocket = m_sockets[0];
    m_notifier = new QSocketNotifier(m_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        if (drain())
            emit arrived();
    });
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kStopSignals)
        ::sigaction(signal, &action, nullptr);
    action.sa_handler = onGraceOver;
    ::sigaction(SIGALRM, &action, nullptr);
}

StopSignals::~StopSignals() {
    if (m_sockets[0] < 0)
        return;
    ::alarm(0);
    for (const int signal : kStopSignals)
        std::signal(signal, SIG_DFL);
    std::signal(SIGALRM, SIG_DFL);
    g_signalSocket = -1;
    delete m_notifier;
    ::close(m_sockets[0]);
    ::close(m_sockets[1]);
}

bool StopSignals::drain() {
    char bytes[16];
    while (m_sockets[1] >= 0 && ::read(m_sockets[1], bytes, sizeof bytes) > 0)
        m_received = true;
    if (m_received) {
        g_seen = 1; // the command stops at its next step: no need to end it from outside
        ::alarm(0);
    }
    return m_received;
}

#else // no POSIX signals: the default handling stays

StopSignals::StopSignals(QObject* parent) : QObject(parent) {}
StopSignals::~StopSignals() = default;
bool StopSignals::drain() {
    return m_received;
}

#endif

bool StopSignals::received() {
    return drain();
}

} // namespace r36::cli
