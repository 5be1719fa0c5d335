#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace r36::link {

/// The device the Port menu's COMn (1..16) reaches. On Windows "COMn". On Linux the environment
/// variable QBR36_COMn (e.g. QBR36_COM1=/dev/pts/5) overrides; otherwise the detected USB and ACM
/// serial adapters in a stable order, then the other serial ports; empty text when there is none.
QString deviceForPort(int commPort);

/// deviceForPort for COM1..COM16 at once (index 0 is COM1): the machine's ports are listed once,
/// which is what the Port menu needs.
QStringList devicesForPorts();

/// A Port menu entry: the device COMn reaches (empty: none) and whether it is there now.
struct PortEntry {
    QString device;
    bool present = false;
};

/// COM1..COM16 (index 0 is COM1) with whether their devices are there, looked up once.
QList<PortEntry> portEntries();

/// The COM entries whose devices are there, as portLabel gives them ("COM1 (/dev/ttyUSB0)").
QStringList presentPorts();

/// "COM3 (/dev/ttyUSB2)"; "COM3" when it reaches no device or the device has the port's own
/// name; the device alone when commPort is 0 (named directly).
QString portLabel(int commPort, const QString& device);

/// The order COM1, COM2, ... take on Linux: USB and ACM adapters first, then the other devices,
/// each by name with trailing numbers compared as numbers (ttyUSB2 before ttyUSB10).
QStringList orderSerialDevices(QStringList devices);

/// "115200,n,8,1" or "38400,n,8,1".
QString portSettingsText(int commSpeed);
int baudRate(int commSpeed);

} // namespace r36::link
