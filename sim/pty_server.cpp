#include "pty_server.h"

#include <QByteArray>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <pty.h>
#include <sys/prctl.h>
#include <sys/timerfd.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace r36::sim {

namespace {

constexpr int kBitsPerCharacter = 10; // start bit, 8 data bits, stop bit
constexpr qint64 kNanosecondsPerSecond = 1'000'000'000;
// While a paced answer is on the line, the characters due so far are handed over in chunks this
// far apart (no character before the line has carried it); the last character of an answer
// always leaves exactly when it is due, so chunking never delays the end of an exchange.
constexpr qint64 kChunkNanoseconds = 4'000'000;

qint64 nowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * kNanosecondsPerSecond + now.tv_nsec;
}

/// Bytes waiting for the line: byte k of `bytes` (counted from `sent`) is due when the line
/// has carried it, at firstDueNs + k * character time.
struct Pending {
    QByteArray bytes;
    qint64 firstDueNs = 0;
    qsizetype sent = 0;
};

} // namespace

struct PtyServer::Private {
    explicit Private(ReceiverSimulator& r) : receiver(r) {}

    ReceiverSimulator& receiver;
    int master = -1;
    int slave = -1; // held open so the terminal never hangs up between the program's opens
    int timer = -1;
    QString path;
    std::unique_ptr<QSocketNotifier> readNotifier;
    std::unique_ptr<QSocketNotifier> timerNotifier;
    std::deque<Pending> queue;
    qint64 lineFreeNs = 0; // when the line has carried everything queued so far
    int baud = 0;
    qint64 sent = 0;

    qint64 characterNs() const {
        return baud > 0 ? kBitsPerCharacter * kNanosecondsPerSecond / baud : 0;
    }

    void closeAll() {
        readNotifier.reset();
        timerNotifier.reset();
        for (int* fd : {&master, &slave, &timer})
            if (*fd >= 0) {
                ::close(*fd);
                *fd = -1;
            }
        queue.clear();
    }

    void enqueue(const QByteArray& bytes, std::chrono::milliseconds delay) {
        const qint64 now = nowNs();
        const qint64 start = std::max(now + qint64(delay.count()) * 1'000'000, lineFreeNs);
        Pending pending{bytes, start + characterNs(), 0};
        lineFreeNs = start + characterNs() * bytes.size();
        queue.push_back(pending);
        service();
    }

    /// Hands the characters that are due to the terminal and arms the timer for the next ones.
    void service() {
        while (!queue.empty()) {
            Pending& head = queue.front();
            const qint64 now = nowNs();
            const qint64 step = characterNs();
            qsizetype due = head.bytes.size();
            if (now < head.firstDueNs + step * head.sent) {
                arm(head.firstDueNs + step * head.sent);
                return;
            }
            if (step > 0)
                due = std::min<qsizetype>(head.bytes.size(), (now - head.firstDueNs) / step + 1);
            const qsizetype count = due - head.sent;
            const ssize_t written =
                ::write(master, head.bytes.constData() + head.sent, size_t(count));
            if (written < 0) {
                if (errno == EAGAIN || errno == EINTR) {
                    arm(now + kChunkNanoseconds); // the program is not reading: try again later
                    return;
                }
                queue.clear();
                return;
            }
            head.sent += written;
            sent += written;
            if (head.sent < head.bytes.size()) {
                const qint64 lastDue = head.firstDueNs + step * (head.bytes.size() - 1);
                const qint64 nextDue = head.firstDueNs + step * head.sent;
                arm(std::max(nextDue, std::min(lastDue, now + kChunkNanoseconds)));
                return;
            }
            queue.pop_front();
        }
    }

    void arm(qint64 atNs) {
        itimerspec when{};
        when.it_value.tv_sec = atNs / kNanosecondsPerSecond;
        when.it_value.tv_nsec = atNs % kNanosecondsPerSecond;
        timerfd_settime(timer, TFD_TIMER_ABSTIME, &when, nullptr);
    }

    /// Feeds what the program sent to the receiver; false when the receiver's cable is pulled.
    bool readCommands() {
        char buffer[4096];
        const ssize_t got = ::read(master, buffer, sizeof buffer);
        if (got <= 0)
            return true;
        for (const ReceiverSimulator::Answer& answer :
             receiver.receive(QByteArray(buffer, qsizetype(got)))) {
            if (answer.vanish)
                return false;
            if (!answer.bytes.isEmpty())
                enqueue(answer.bytes, answer.delay);
        }
        return true;
    }
};

PtyServer::PtyServer(ReceiverSimulator& receiver, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>(receiver)) {}

PtyServer::~PtyServer() {
    d->closeAll();
}

bool PtyServer::start(QString& error) {
    char name[256] = {};
    if (::openpty(&d->master, &d->slave, name, nullptr, nullptr) != 0) {
        error = QStringLiteral("cannot create a pseudo-terminal: %1")
                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    // Raw: no echo, no CR/LF translation by the terminal layer; the receiver does its own echo.
    termios settings{};
    tcgetattr(d->slave, &settings);
    cfmakeraw(&settings);
    tcsetattr(d->slave, TCSANOW, &settings);
    fcntl(d->master, F_SETFL, fcntl(d->master, F_GETFL) | O_NONBLOCK);
    fcntl(d->master, F_SETFD, FD_CLOEXEC);
    fcntl(d->slave, F_SETFD, FD_CLOEXEC);

    d->timer = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (d->timer < 0) {
        error = QStringLiteral("cannot create a timer: %1")
                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
        d->closeAll();
        return false;
    }
    d->path = QString::fromLocal8Bit(name);
    d->readNotifier = std::make_unique<QSocketNotifier>(d->master, QSocketNotifier::Read);
    connect(d->readNotifier.get(), &QSocketNotifier::activated, this, [this] {
        if (d->readCommands())
            return;
        // The notifier running this must not be deleted under it: unplug once it returned.
        d->readNotifier->setEnabled(false);
        QMetaObject::invokeMethod(this, &PtyServer::vanish, Qt::QueuedConnection);
    });
    d->timerNotifier = std::make_unique<QSocketNotifier>(d->timer, QSocketNotifier::Read);
    connect(d->timerNotifier.get(), &QSocketNotifier::activated, this, [this] {
        std::uint64_t expirations = 0;
        if (::read(d->timer, &expirations, sizeof expirations) < 0 && errno != EAGAIN)
            return;
        d->service();
    });
    return true;
}

QString PtyServer::devicePath() const {
    return d->path;
}

void PtyServer::setBaudRate(int baud) {
    d->baud = baud;
}

void PtyServer::vanish() {
    d->closeAll();
}

qint64 PtyServer::bytesSent() const {
    return d->sent;
}

} // namespace r36::sim
