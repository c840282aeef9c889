#include "core/gps/SerialPorts.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace {

struct NumberedFamily {
    const char* prefix;
    uint32_t base;
};

constexpr NumberedFamily kFamilies[] = {
    {"ttyS", 1}, {"ttyUSB", 100}, {"ttyACM", 200}, {"ttyAMA", 300}, {"rfcomm", 400},
};
constexpr uint32_t kFamilySize = 99; // numbered devices per family before names are hashed
constexpr uint32_t kHashedBase = 1000;

} // namespace

uint32_t SerialPortNumber(const QString& portName) {
    for (const NumberedFamily& family : kFamilies) {
        const QString prefix = QString::fromLatin1(family.prefix);
        if (!portName.startsWith(prefix) || portName.size() == prefix.size())
            continue;
        bool ok = false;
        const uint32_t n = portName.mid(prefix.size()).toUInt(&ok, 10);
        if (ok && n < kFamilySize)
            return family.base + n;
    }
    // FNV-1a of the name, kept within a positive 32-bit range above the numbered families.
    uint32_t hash = 2166136261u;
    for (const QChar c : portName) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    return kHashedBase + hash % 0x7FFFFC00u;
}

QVector<SerialPortEntry> EnumerateSerialPorts() {
    QVector<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortEntry entry;
        entry.number = SerialPortNumber(info.portName());
        entry.path = info.systemLocation();
        entry.name = info.description().isEmpty()
                         ? info.portName()
                         : info.portName() + QStringLiteral(" (") + info.description() + ')';
        ports.append(entry);
    }
    std::sort(ports.begin(), ports.end(), [](const SerialPortEntry& a, const SerialPortEntry& b) {
        return a.number < b.number;
    });
    return ports;
}

int FindSerialPort(const QVector<SerialPortEntry>& ports, uint32_t number) {
    if (ports.isEmpty())
        return -1;
    for (int i = 0; i < ports.size(); ++i)
        if (ports[i].number == number)
            return i;
    return 0;
}
