#include "sim_transport.h"

#include <QTimer>

namespace r36::sim {

namespace {
constexpr int kBitsPerCharacter = 10; // start bit, 8 data bits, stop bit
}

SimTransport::SimTransport(ReceiverSimulator& receiver, QObject* parent)
    : link::Transport(parent), m_receiver(receiver) {}

bool SimTransport::open(QString& reason) {
    if (!m_openFailure.isEmpty()) {
        reason = m_openFailure;
        return false;
    }
    if (!m_open) {
        m_open = true;
        ++m_session;
        m_inbox.clear();
    }
    return true;
}

void SimTransport::close() {
    m_open = false;
    ++m_session; // answers still on their way are dropped, as on a closed port
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
    const int session = m_session;
    std::chrono::milliseconds lineBusy{0};
    for (const ReceiverSimulator::Answer& answer : m_receiver.receive(bytes)) {
        if (answer.vanish) {
            QTimer::singleShot(0, this, [this, session] {
                if (session != m_session)
                    return;
                close();
                m_openFailure = QStringLiteral("cannot open the simulated receiver: unplugged");
                emit failed(QStringLiteral("the simulated receiver's cable was pulled"));
            });
            continue;
        }
        if (answer.bytes.isEmpty())
            continue;
        if (m_baud > 0)
            lineBusy += std::chrono::milliseconds{
                (answer.bytes.size() * kBitsPerCharacter * 1000 + m_baud - 1) / m_baud};
        QTimer::singleShot(answer.delay + lineBusy, this, [this, session, bytes = answer.bytes] {
            if (session != m_session)
                return;
            m_inbox += bytes;
            emit readyRead();
        });
    }
    return true;
}

} // namespace r36::sim
