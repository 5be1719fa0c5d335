#include "serial_transport.h"

#include "port_names.h"
#include "port_trouble.h"

#include <QFileInfo>
#include <QSerialPort>

namespace r36::link {

// The port is a child, so it moves with the transport to the thread that runs the transfers;
// the unique_ptr deletes it first, which takes it off the children.
SerialTransport::SerialTransport(QObject* parent)
    : Transport(parent), m_port(std::make_unique<QSerialPort>(this)) {
    connect(m_port.get(), &QSerialPort::readyRead, this, &Transport::readyRead);
    connect(m_port.get(), &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) {
                // An unplugged cable makes the port report ReadError over and over while it
                // stays open: close on the first one and report it once.
                const std::optional<Failure> broken = brokenBy(error);
                if (!broken || !m_port->isOpen() || m_broken)
                    return;
                m_broken = true;
                // The port's own notifier is running this: close once it has returned.
                QMetaObject::invokeMethod(this, &SerialTransport::close, Qt::QueuedConnection);
                emit failed(*broken);
            });
}

std::optional<Failure> SerialTransport::brokenBy(int error) const {
    // The system's text after a hang-up is often a stale errno ("Inappropriate ioctl for
    // device"), so a read failure is described by what it means for the user.
    Failure broken;
    switch (static_cast<QSerialPort::SerialPortError>(error)) {
    case QSerialPort::ReadError:
        broken.kind = FailureKind::PortReadLost;
        break;
    case QSerialPort::WriteError:
        broken.kind = FailureKind::PortWriteFailed;
        broken.systemText = m_port->errorString().toStdString();
        break;
    case QSerialPort::ResourceError:
        broken.kind = FailureKind::PortGone;
        break;
    default:
        return std::nullopt; // not one that breaks the connection
    }
    broken.device = m_device.toStdString();
    return broken;
}

Failure SerialTransport::openFailure(int error) const {
    OpenFailure failure;
    failure.device = m_device;
    failure.commPort = m_commPort;
    failure.systemText = m_port->errorString();
    const QFileInfo file(m_device);
    switch (static_cast<QSerialPort::SerialPortError>(error)) {
    case QSerialPort::DeviceNotFoundError:
        failure.trouble = PortTrouble::NoDevice;
        break;
    case QSerialPort::PermissionError:
#ifdef Q_OS_WIN
        // Windows denies a port that another program has open.
        failure.trouble = PortTrouble::Busy;
#else
        // Qt reports a port locked or held exclusively by another program as a permission
        // error too: a device this user may read and write is a busy one.
        failure.trouble =
            file.isReadable() && file.isWritable() ? PortTrouble::Busy : PortTrouble::NoPermission;
        failure.group = file.group();
#endif
        break;
    case QSerialPort::OpenError:
        failure.trouble = PortTrouble::Busy;
        break;
    default:
        break;
    }
#ifndef Q_OS_WIN
    if (!file.exists())
        failure.trouble = PortTrouble::NoDevice;
#endif
    if (failure.trouble == PortTrouble::NoDevice)
        failure.present = presentPorts();
    return openFailureOf(failure);
}

SerialTransport::~SerialTransport() = default;

void SerialTransport::setPort(const QString& device, int commSpeed, int commPort) {
    m_device = device;
    m_commPort = commPort;
    m_baud = baudRate(commSpeed);
}

bool SerialTransport::open(Failure& why) {
    if (m_broken)
        close();
    if (m_port->isOpen())
        return true;
    if (m_device.isEmpty()) {
        why = openFailure(QSerialPort::DeviceNotFoundError);
        return false;
    }
    m_port->setPortName(m_device);
    // 8N1 at the chosen speed; flow control, buffers and line signals stay as they are (a
    // pseudo-terminal refuses DTR, and the receiver needs none of them).
    m_port->setBaudRate(m_baud);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    if (!m_port->open(QIODevice::ReadWrite)) {
        why = openFailure(m_port->error());
        m_port->clearError();
        return false;
    }
    return true;
}

void SerialTransport::close() {
    if (m_port->isOpen())
        m_port->close();
    m_port->clearError();
    m_broken = false;
}

bool SerialTransport::isOpen() const {
    return m_port->isOpen() && !m_broken;
}

QByteArray SerialTransport::readAll() {
    if (!isOpen())
        return {};
    return m_port->readAll();
}

bool SerialTransport::write(const QByteArray& bytes) {
    if (!isOpen())
        return false;
    if (m_port->write(bytes) != bytes.size())
        return false;
    // Hand the command to the driver now rather than on the next pass of the event loop.
    m_port->flush();
    return true;
}

QString SerialTransport::description() const {
    return m_device;
}

QString SerialTransport::label() const {
    return portLabel(m_commPort, m_device);
}

} // namespace r36::link
