#pragma once
// Where the GPS receiver's sentences come from: a serial port, a TCP NMEA stream or a recorded
// file. The receiver opens a source on the caller's thread (so a failure can be shown at once),
// then runs its Read on the reader thread until asked to stop, and closes it after that thread
// has ended.

#include "core/common/Outcome.h"

#include <QByteArrayView>

#include <atomic>
#include <functional>

class GpsFix;
struct GpsValues;
class NmeaLineAssembler;

// What a source's reader gets from the receiver: the stop request and the fix to feed.
class GpsReaderContext {
public:
    GpsReaderContext(GpsFix& fix, const std::atomic<bool>& running, int wakeDescriptor)
        : fix_(fix), running_(running), wake_(wakeDescriptor) {}

    bool Running() const { return running_.load(); }
    // Sleeps up to the given time; false when the receiver was asked to stop meanwhile.
    bool Wait(int milliseconds) const;
    // Readable when the receiver is asked to stop: poll it beside the source's descriptor.
    int WakeDescriptor() const { return wake_; }
    // Publishes one whole sentence.
    void ApplySentence(QByteArrayView sentence);
    // Publishes values a source decoded itself (gpsd, GDL90).
    void ApplyValues(const GpsValues& values);
    // Collects bytes into lines and publishes every finished sentence.
    void Feed(QByteArrayView bytes, NmeaLineAssembler& lines);

private:
    GpsFix& fix_;
    const std::atomic<bool>& running_;
    int wake_;
};

class GpsSource {
public:
    virtual ~GpsSource() = default;
    // Opens the source. On failure: "Error: " and the reason; nothing stays open.
    virtual Status Open() = 0;
    // Reads and publishes sentences until the context stops.
    virtual void Read(GpsReaderContext& context) = 0;
    // Closes what Open opened; idempotent.
    virtual void Close() = 0;
};

// How reading a descriptor ended: asked to stop, or the end of input or an error.
enum class DescriptorEnd { Stopped, Failed };

// What a wait on a source's descriptor found: data (or an error condition to read), nothing
// yet (a time-out, an interruption or the stop request: look at Running()), or a failed poll.
enum class DescriptorWait { Ready, Idle, Failed };
// Waits up to a quarter of a second for the descriptor or the stop request. revents gets what
// poll() said of the descriptor.
DescriptorWait WaitForDescriptor(int fd, const GpsReaderContext& context, short* revents);

// Reads a non-blocking descriptor until the context stops or the input ends or fails, handing
// every chunk of bytes to consume.
DescriptorEnd ReadDescriptor(int fd, GpsReaderContext& context,
                             const std::function<void(QByteArrayView)>& consume);
// The same, feeding every byte to the NMEA lines.
DescriptorEnd ReadDescriptor(int fd, GpsReaderContext& context, NmeaLineAssembler& lines);
