#pragma once

#include "transport.h"

#include <memory>
#include <optional>

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

    /// Device path or Windows port name, the speed choice (0 = 115200, else 38400) and the COM
    /// number the device stands for (0: named directly). Takes effect the next time the port
    /// opens.
    void setPort(const QString& device, int commSpeed, int commPort) override;

    /// Fails with the reason and what to do: no such device (with the ports there are), no
    /// permission (with the group to join), a port another program holds, or the port's own words.
    [[nodiscard]] bool open(Failure& why) override;
    void close() override;
    bool isOpen() const override;
    QByteArray readAll() override;
    [[nodiscard]] bool write(const QByteArray& bytes) override;
    QString description() const override;
    QString label() const override;

private:
    /// A port error that breaks the connection; nothing for any other error.
    std::optional<Failure> brokenBy(int error) const;
    /// Why the open that just failed with `error` failed.
    Failure openFailure(int error) const;

    std::unique_ptr<QSerialPort> m_port;
    QString m_device;
    int m_commPort = 0;
    int m_baud = 115200;
    bool m_broken = false; // failed() was sent; the close follows from the event loop
};

} // namespace r36::link
