#pragma once

#include "receiver_simulator.h"

#include <QObject>
#include <QString>

#include <memory>

namespace r36::sim {

/// Serves a ReceiverSimulator on the master side of a pseudo-terminal, so the program's real
/// serial-port code talks to it through the slave device. Output is paced at the line speed
/// (10 bits per character) when a baud rate is set. Runs in the owning thread's event loop.
class PtyServer : public QObject {
    Q_OBJECT
public:
    explicit PtyServer(ReceiverSimulator& receiver, QObject* parent = nullptr);
    ~PtyServer() override;

    /// Creates the pseudo-terminal; false with `error` on failure.
    [[nodiscard]] bool start(QString& error);
    /// The slave device path the program opens, e.g. "/dev/pts/7".
    QString devicePath() const;
    /// 0 = unpaced. A paced line also sets the calling thread's timer slack to 1 ns so the
    /// characters leave on time.
    void setBaudRate(int baud);
    /// Closes the master: to the program it looks like the cable was pulled.
    void vanish();
    /// Characters sent to the program so far (echo included), for wire-time figures.
    qint64 bytesSent() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace r36::sim
