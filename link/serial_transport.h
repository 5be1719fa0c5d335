#pragma once

#include "transport.h"

#include <memory>

class QSerialPort;

namespace r36::link {

/// The receiver's cable: a serial port at 115200 or 38400 baud, 8 data bits, no parity, 1 stop
/// bit; nothing else of the port is changed. The first read, write or resource error closes the
/// port and is reported once through failed().
class SerialTransport : public Transport {
    Q_OBJECT
public:
    SerialTransport(QObject* parent = nullptr);
    ~SerialTransport() override;

    /// Device path or Windows port name, and the speed choice (0 = 115200, else 38400). Takes
    /// effect the next time the port opens.
    void setPort(const QString& device, int commSpeed) override;

    [[nodiscard]] bool open(QString& reason) override;
    void close() override;
    bool isOpen() const override;
    QByteArray readAll() override;
    [[nodiscard]] bool write(const QByteArray& bytes) override;
    QString description() const override;

private:
    /// Our text for a port error that breaks the connection; empty for any other error.
    QString failureReason(int error) const;

    std::unique_ptr<QSerialPort> m_port;
    QString m_device;
    int m_baud = 115200;
    bool m_broken = false; // failed() was sent; the close follows from the event loop
};

} // namespace r36::link
