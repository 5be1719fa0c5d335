#pragma once

#include "link/transport.h"
#include "receiver_simulator.h"

#include <chrono>
#include <map>
#include <optional>

class QTimer;

namespace r36::sim {

/// An in-memory cable to a ReceiverSimulator: answers arrive through the event loop (queued, so
/// the link waits exactly as it does on a port), optionally paced at a line speed.
class SimTransport : public link::Transport {
    Q_OBJECT
public:
    explicit SimTransport(ReceiverSimulator& receiver, QObject* parent = nullptr);

    /// 0 = deliver at once; otherwise pace at 10 bits per character at this baud rate.
    void setBaudRate(int baud) { m_baud = baud; }
    /// While set, open() fails with this reason (empty: opens normally). A pulled cable
    /// (Fault::Kind::PortVanishes) sets it; clear it to plug the cable in again.
    void setOpenFailure(const Failure& why) { m_openFailure = why; }

    [[nodiscard]] bool open(Failure& why) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    QByteArray readAll() override;
    [[nodiscard]] bool write(const QByteArray& bytes) override;
    QString description() const override { return QStringLiteral("simulated receiver"); }

private:
    using Clock = std::chrono::steady_clock;
    /// What is on its way back: bytes, or the cable being pulled.
    struct Pending {
        QByteArray bytes;
        bool vanish = false;
    };

    void deliverDue();
    void armTimer();

    ReceiverSimulator& m_receiver;
    int m_baud = 0;
    bool m_open = false;
    std::optional<Failure> m_openFailure;
    QByteArray m_inbox;
    // By due time; equal times keep their order. One timer, a child, so it moves with the
    // transport to whichever thread uses it.
    std::multimap<Clock::time_point, Pending> m_pending;
    Clock::time_point m_lineFree; // when the line has carried everything pending
    QTimer* m_timer = nullptr;
};

} // namespace r36::sim
