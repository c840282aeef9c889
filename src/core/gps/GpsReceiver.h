#pragma once
// The GPS receiver: opens a serial device and runs the reader thread that decodes its NMEA
// sentences into the shared GpsFix. The reader is the only writer of the fix; the caller keeps
// the fix alive for as long as the receiver. Destroying the receiver stops it.

#include "core/common/Outcome.h"
#include "core/gps/GpsFix.h"
#include "core/gps/SerialDevice.h"

#include <QString>

#include <atomic>
#include <thread>

class NmeaLineAssembler;

class GpsReceiver {
public:
    explicit GpsReceiver(GpsFix& fix) : fix_(fix) {}
    ~GpsReceiver() { StopGps(); }
    GpsReceiver(const GpsReceiver&) = delete;
    GpsReceiver& operator=(const GpsReceiver&) = delete;

    // Opens the device (a path such as "/dev/ttyUSB0" or a pseudo-terminal), marks the fix open
    // and starts the reader thread. A receiver that is already running is stopped first.
    // On failure: "Error: " and the system's message; the port stays closed.
    Status StartGps(const QString& devicePath);

    // Ends the reader thread (waiting for it), closes the port and clears the fix. Returns
    // within a few milliseconds; does nothing when the receiver is not running.
    void StopGps();

    bool IsRunning() const { return thread_.joinable(); }

private:
    void ReadLoop();
    bool ReadAvailableBytes(NmeaLineAssembler& lines);
    void WaitForStop(int milliseconds) const;

    GpsFix& fix_;
    SerialDevice device_;
    int wakeRead_ = -1; // a byte written to wakeWrite_ ends the reader's wait at once
    int wakeWrite_ = -1;
    std::atomic<bool> running_{false};
    std::thread thread_;
};
