#pragma once
// A serial device opened for the GPS receiver: read only, exclusive, 4800 baud, 8 data bits,
// no parity, one stop bit, raw bytes, no hardware or software flow control, DTR and RTS off.
// Owns the file descriptor; closing is idempotent. Nothing is ever written to the receiver.

#include "core/common/Outcome.h"

#include <QString>

class SerialDevice {
public:
    SerialDevice() = default;
    ~SerialDevice() { Close(); }
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    // Opens and configures the device. On failure: "Error: " and the system's message, with the
    // device left closed.
    Status Open(const QString& path);
    void Close();

    bool IsOpen() const { return fd_ >= 0; }
    // The non-blocking descriptor for poll() and read(); -1 while closed.
    int Descriptor() const { return fd_; }

private:
    Status Configure();

    int fd_ = -1;
};

// "Error: " followed by the system's text for an error number.
Message SystemErrorMessage(int errorNumber);
