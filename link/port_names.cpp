#include "port_names.h"

#include "image/program_constants.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>

namespace r36::link {

namespace {

constexpr int kFirstBaud = 115200;
constexpr int kSecondBaud = 38400;

bool isUsbAdapter(const QString& name) {
    return name.contains(QLatin1String("ttyUSB")) || name.contains(QLatin1String("ttyACM"));
}

/// "ttyUSB10" after "ttyUSB2": the name's text, then its trailing number.
bool naturalLess(const QString& a, const QString& b) {
    auto split = [](const QString& name) {
        qsizetype digits = name.size();
        while (digits > 0 && name[digits - 1].isDigit())
            --digits;
        return std::make_pair(name.left(digits), name.mid(digits).toLongLong());
    };
    return split(a) < split(b);
}

} // namespace

QStringList orderSerialDevices(QStringList devices) {
    std::stable_sort(devices.begin(), devices.end(), [](const QString& a, const QString& b) {
        if (isUsbAdapter(a) != isUsbAdapter(b))
            return isUsbAdapter(a);
        return naturalLess(a, b);
    });
    return devices;
}

QStringList devicesForPorts() {
    QStringList detected;
#ifndef Q_OS_WIN
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        detected << info.systemLocation();
    detected = orderSerialDevices(detected);
#endif
    QStringList devices;
    for (int port = 1; port <= kPortCount; ++port) {
#ifdef Q_OS_WIN
        devices << QStringLiteral("COM%1").arg(port);
#else
        const QByteArray overrideName = "QBR36_COM" + QByteArray::number(port);
        const QString overridden = qEnvironmentVariable(overrideName.constData());
        devices << (!overridden.isEmpty()     ? overridden
                    : port <= detected.size() ? detected[port - 1]
                                              : QString());
#endif
    }
    return devices;
}

QList<PortEntry> portEntries() {
    QList<PortEntry> entries;
#ifdef Q_OS_WIN
    QStringList there;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        there << info.portName();
#endif
    for (const QString& device : devicesForPorts()) {
#ifdef Q_OS_WIN
        const bool present = there.contains(device, Qt::CaseInsensitive);
#else
        // A named pseudo-terminal is not among the detected ports, so the path itself counts.
        const bool present = !device.isEmpty() && QFileInfo::exists(device);
#endif
        entries.append({device, present});
    }
    return entries;
}

QStringList presentPorts() {
    QStringList labels;
    const QList<PortEntry> entries = portEntries();
    for (qsizetype index = 0; index < entries.size(); ++index)
        if (entries[index].present)
            labels << portLabel(static_cast<int>(index) + 1, entries[index].device);
    return labels;
}

QString portLabel(int commPort, const QString& device) {
    if (commPort == 0)
        return device;
    const QString name = QStringLiteral("COM%1").arg(commPort);
    if (device.isEmpty() || device.compare(name, Qt::CaseInsensitive) == 0)
        return name;
    return QStringLiteral("%1 (%2)").arg(name, device);
}

QString deviceForPort(int commPort) {
    const QStringList devices = devicesForPorts();
    if (commPort < 1 || commPort > devices.size())
        return {};
    return devices[commPort - 1];
}

QString portSettingsText(int commSpeed) {
    return commSpeed == 0 ? QStringLiteral("115200,n,8,1") : QStringLiteral("38400,n,8,1");
}

int baudRate(int commSpeed) {
    return commSpeed == 0 ? kFirstBaud : kSecondBaud;
}

} // namespace r36::link
