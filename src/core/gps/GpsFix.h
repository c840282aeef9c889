#pragma once
// The GPS receiver's shared record: whether the port is open and the latest decoded values.
// The reader thread is its only writer; the user-interface thread polls it. Every access takes
// one lock, so a reader always sees the values of whole sentences, never half-written ones.
//
// Beside what arrived, the record keeps when the last valid fix (an RMC sentence with status
// "A") came and its ground speed: takeoff and landing detection use only that speed, and only
// while the fix is fresh, so a receiver that loses its fix (status "V", speed 0) or stops
// talking never records a false landing.

#include <QByteArrayView>

#include <chrono>
#include <cstdint>
#include <mutex>

struct GpsValues {
    uint32_t time = 0;    // UTC hhmmss of the last RMC sentence (fraction dropped)
    int32_t speed = 0;    // ground speed, whole knots
    int32_t heading = 0;  // course over ground plus the field-10 variation, whole degrees
    int32_t altitude = 0; // GGA altitude in feet
    double latitude = 0;  // ddmm.mmmm, hemisphere not applied
    double longitude = 0; // dddmm.mmmm, hemisphere not applied

    // The same sentences kept more fully, for the flight track.
    bool fixValid = false;        // status "A" of the last RMC sentence
    char latitudeHemisphere = 0;  // 'N' or 'S' of the last RMC sentence (0 when missing)
    char longitudeHemisphere = 0; // 'E' or 'W'
    uint32_t date = 0;            // ddmmyy of the last RMC sentence
    double timeSeconds = 0;       // hhmmss.ss of the last RMC sentence, fraction kept
    double speedKnots = 0;        // ground speed with its fraction
    double course = 0;            // true course over ground (field 8), degrees
    double altitudeMetres = 0;    // GGA field 9
    bool hasAltitude = false;     // a GGA sentence with an altitude arrived

    bool operator==(const GpsValues&) const = default;
};

// One consistent reading of the record. All values are 0 while the port is closed.
struct GpsReading {
    bool open = false;
    GpsValues values;
    // A valid fix arrived within the last kStaleSeconds; fixSpeed is its ground speed.
    bool fresh = false;
    int32_t fixSpeed = 0;

    // Open, but no valid fix for kStaleSeconds (or none yet): the dialog says so and takeoff
    // and landing detection waits.
    bool Stale() const { return open && !fresh; }
};

class GpsFix {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    static constexpr int kStaleSeconds = 10;

    GpsReading Snapshot() const { return Snapshot(std::chrono::steady_clock::now()); }
    GpsReading Snapshot(TimePoint now) const;
    bool IsOpen() const;

    // Writer side (the receiver). Opening or closing the port clears the values.
    void SetOpen(bool open);
    // Decodes one received sentence (see DecodeNmeaSentence) into the values.
    void ApplySentence(QByteArrayView sentence) {
        ApplySentence(sentence, std::chrono::steady_clock::now());
    }
    void ApplySentence(QByteArrayView sentence, TimePoint receivedAt);
    // Publishes values that arrived already decoded (gpsd reports, GDL90 messages); a valid fix
    // among them counts for takeoff and landing as a valid RMC sentence does.
    void ApplyValues(const GpsValues& values) {
        ApplyValues(values, std::chrono::steady_clock::now());
    }
    void ApplyValues(const GpsValues& values, TimePoint receivedAt);

private:
    mutable std::mutex mutex_;
    bool open_ = false;
    GpsValues values_;
    bool hasValidFix_ = false;
    TimePoint lastValidFix_{};
    int32_t fixSpeed_ = 0;
};
