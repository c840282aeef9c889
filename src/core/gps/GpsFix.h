#pragma once
// The GPS receiver's shared record: whether the port is open and the latest decoded values.
// The reader thread is its only writer; the user-interface thread polls it. Every access takes
// one lock, so a reader always sees the values of whole sentences, never half-written ones.

#include <QByteArrayView>

#include <cstdint>
#include <mutex>

struct GpsValues {
    uint32_t time = 0;    // UTC hhmmss of the last RMC sentence (fraction dropped)
    int32_t speed = 0;    // ground speed, whole knots
    int32_t heading = 0;  // course over ground plus the field-10 variation, whole degrees
    int32_t altitude = 0; // GGA altitude in feet
    double latitude = 0;  // ddmm.mmmm, hemisphere not applied
    double longitude = 0; // dddmm.mmmm, hemisphere not applied

    bool operator==(const GpsValues&) const = default;
};

// One consistent reading of the record. All values are 0 while the port is closed.
struct GpsReading {
    bool open = false;
    GpsValues values;
};

class GpsFix {
public:
    GpsReading Snapshot() const;
    bool IsOpen() const;

    // Writer side (the receiver). Opening or closing the port clears the values.
    void SetOpen(bool open);
    // Decodes one received sentence (see DecodeNmeaSentence) into the values.
    void ApplySentence(QByteArrayView sentence);

private:
    mutable std::mutex mutex_;
    bool open_ = false;
    GpsValues values_;
};
