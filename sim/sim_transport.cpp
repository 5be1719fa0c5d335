#include "sim_transport.h"

#include <QTimer>

#include <algorithm>

namespace r36::sim {

namespace {
constexpr int kBitsPerCharacter = 10; // start bit, 8 data bits, stop bit
}

SimTransport::SimTransport(ReceiverSimulator& receiver, QObject* parent)
    : link::Transport(parent), m_receiver(receiver), m_timer(new QTimer(this)) {
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer); // the pacing is a few milliseconds per line
    connect(m_timer, &QTimer::timeout, this, &SimTransport::deliverDue);
}

bool SimTransport::open(Failure& why) {
    if (m_openFailure) {
        why = *m_openFailure;
        return false;
    }
    if (!m_open) {
        m_open = true;
        m_inbox.clear();
    }
    return true;
}

void SimTransport::close() {
    m_open = false;
    // Answers still on their way are dropped, as on a closed port.
    m_pending.clear();
    m_lineFree = {};
    m_timer->stop();
    m_inbox.clear();
}

QByteArray SimTransport::readAll() {
    QByteArray bytes;
    bytes.swap(m_inbox);
    return bytes;
}

bool SimTransport::write(const QByteArray& bytes) {
    if (!m_open)
        return false;
    const Clock::time_point now = Clock::now();
    for (const ReceiverSimulator::Answer& answer : m_receiver.receive(bytes)) {
        if (answer.vanish) {
            m_pending.emplace(now, Pending{{}, true});
            continue;
        }
        if (answer.bytes.isEmpty())
            continue;
        // One line: an answer never overtakes one sent before it (a stall holds up the rest).
        const Clock::time_point start = std::max(now + answer.delay, m_lineFree);
        m_lineFree = start;
        if (m_baud > 0)
            m_lineFree += std::chrono::milliseconds{
                (answer.bytes.size() * kBitsPerCharacter * 1000 + m_baud - 1) / m_baud};
        m_pending.emplace(m_lineFree, Pending{answer.bytes, false});
    }
    armTimer();
    return true;
}

void SimTransport::armTimer() {
    if (m_pending.empty()) {
        m_timer->stop();
        return;
    }
    // Never delivered from inside write(): at the earliest on the next pass of the event loop.
    const auto wait =
        std::chrono::ceil<std::chrono::milliseconds>(m_pending.begin()->first - Clock::now());
    m_timer->start(std::max(wait, std::chrono::milliseconds{0}));
}

void SimTransport::deliverDue() {
    // One answer per timer event, as separate arrivals would be: a handler that ends its wait on
    // this one leaves the next in the inbox for whoever reads next.
    if (!m_pending.empty() && m_pending.begin()->first <= Clock::now()) {
        const Pending next = std::move(m_pending.begin()->second);
        m_pending.erase(m_pending.begin());
        if (next.vanish) {
            close();
            Failure unplugged(FailureKind::PortError);
            unplugged.device = "the simulated receiver";
            unplugged.systemText = "unplugged";
            m_openFailure = unplugged;
            Failure pulled(FailureKind::PortGone);
            pulled.device = "the simulated receiver";
            emit failed(pulled);
        } else {
            m_inbox += next.bytes;
            emit readyRead();
        }
    }
    armTimer();
}

} // namespace r36::sim
