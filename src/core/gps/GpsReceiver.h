#pragma once
// The GPS receiver: opens a source (a serial device, a TCP stream or a recorded file) and runs
// the reader thread that decodes its NMEA sentences into the shared GpsFix. The reader is the
// only writer of the fix; the caller keeps the fix alive for as long as the receiver.
// Destroying the receiver stops it.

#include "core/common/Outcome.h"
#include "core/gps/GpsFix.h"
#include "core/gps/GpsSource.h"

#include <QString>

#include <atomic>
#include <memory>
#include <thread>

class GpsReceiver {
public:
    explicit GpsReceiver(GpsFix& fix) : fix_(fix) {}
    ~GpsReceiver() { StopGps(); }
    GpsReceiver(const GpsReceiver&) = delete;
    GpsReceiver& operator=(const GpsReceiver&) = delete;

    // Opens the serial device (a path such as "/dev/ttyUSB0" or a pseudo-terminal).
    Status StartGps(const QString& devicePath);
    // Opens the source, marks the fix open and starts the reader thread. A receiver that is
    // already running is stopped first. On failure: "Error: " and the reason; the port stays
    // closed.
    Status StartGps(std::unique_ptr<GpsSource> source);

    // Ends the reader thread (waiting for it), closes the source and clears the fix. Returns
    // within a few milliseconds; does nothing when the receiver is not running.
    void StopGps();

    bool IsRunning() const { return thread_.joinable(); }

private:
    void ReadLoop();

    GpsFix& fix_;
    std::unique_ptr<GpsSource> source_;
    int wakeRead_ = -1; // a byte written to wakeWrite_ ends the reader's wait at once
    int wakeWrite_ = -1;
    std::atomic<bool> running_{false};
    std::thread thread_;
};
