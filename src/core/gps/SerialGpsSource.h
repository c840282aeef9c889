#pragma once
// A GPS on a serial port (or a pseudo-terminal): the device is opened as SerialDevice does, and
// a read error (an unplugged receiver) is followed by a short rest and another read for as long
// as the receiver runs.

#include "core/gps/GpsSource.h"
#include "core/gps/SerialDevice.h"

#include <QString>

class SerialGpsSource : public GpsSource {
public:
    explicit SerialGpsSource(QString devicePath) : path_(std::move(devicePath)) {}

    Status Open() override { return device_.Open(path_); }
    void Read(GpsReaderContext& context) override;
    void Close() override { device_.Close(); }

private:
    QString path_;
    SerialDevice device_;
};
