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

// The one thing a signal handler may reach: the socket it writes to.
volatile std::sig_atomic_t g_signalSocket = -1;

extern "C" void onStopSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full socket already holds a byte the loop has not read: nothing is lost.
    [[maybe_unused]] const ssize_t written = ::write(g_signalSocket, &byte, 1);
    errno = savedErrno;
}

constexpr int kStopSignals[] = {SIGINT, SIGTERM};

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
}

StopSignals::~StopSignals() {
    if (m_sockets[0] < 0)
        return;
    for (const int signal : kStopSignals)
        std::signal(signal, SIG_DFL);
    g_signalSocket = -1;
    delete m_notifier;
    ::close(m_sockets[0]);
    ::close(m_sockets[1]);
}

bool StopSignals::drain() {
    char bytes[16];
    while (m_sockets[1] >= 0 && ::read(m_sockets[1], bytes, sizeof bytes) > 0)
        m_received = true;
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
