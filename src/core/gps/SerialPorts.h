#pragma once
// The serial ports the GPS dialog offers. Each port has a display name, a number that stays the
// same for the same device name from run to run (stored as "GPSPort") and the device path that
// StartGps opens.

#include <QString>
#include <QVector>

#include <cstdint>

struct SerialPortEntry {
    QString name;    // "ttyUSB0 (u-blox GNSS receiver)", or the device name alone
    uint32_t number; // stable number of the device name (see SerialPortNumber)
    QString path;    // "/dev/ttyUSB0"

    bool operator==(const SerialPortEntry&) const = default;
};

// The serial ports the system has, ordered by number.
QVector<SerialPortEntry> EnumerateSerialPorts();

// The number of a device name: ttyS<n> is n + 1 (the first port is 1), ttyUSB<n> 100 + n,
// ttyACM<n> 200 + n, ttyAMA<n> 300 + n, rfcomm<n> 400 + n; any other name a number from 1000 up
// derived from the name. 0 is never used, so it can mean "none chosen".
uint32_t SerialPortNumber(const QString& portName);

// The index of the port with this number; the first port (0) when none has it; -1 when the list
// is empty.
int FindSerialPort(const QVector<SerialPortEntry>& ports, uint32_t number);
