#pragma once

#include "image/failure.h"

#include <QByteArray>
#include <QObject>
#include <QString>

namespace r36::link {

/// A byte pipe to the receiver. The serial port is one; the simulator's in-memory transport is
/// another, so transfers are tested without a port. Implementations emit readyRead when bytes
/// arrive and failed once when the pipe broke (port error, cable pulled); after failed the
/// transport is closed.
class Transport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Transport() override = default;

    /// Opens the pipe; on failure returns false and sets `why` (the port missing, busy, not
    /// permitted, with what the message needs to say what to do).
    [[nodiscard]] virtual bool open(Failure& why) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    /// Everything received so far, without waiting.
    virtual QByteArray readAll() = 0;
    /// Queues the bytes for sending; false (and failed) when the pipe is broken.
    [[nodiscard]] virtual bool write(const QByteArray& bytes) = 0;
    /// The port to open next time, its speed choice (0 = 115200 baud, else 38400) and the COM
    /// number it stands for (0: named directly), for messages; a pipe without ports ignores it.
    virtual void setPort(const QString& device, int commSpeed, int commPort) {
        (void)device;
        (void)commSpeed;
        (void)commPort;
    }
    /// Human-readable name of the far end, for messages ("/dev/ttyUSB0").
    virtual QString description() const = 0;
    /// The port as the user chose it, for messages ("COM1 (/dev/ttyUSB0)").
    virtual QString label() const { return description(); }

signals:
    void readyRead();
    void failed(const r36::Failure& why);
};

} // namespace r36::link
