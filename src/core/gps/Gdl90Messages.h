#pragma once
// The GDL90 messages a position comes from, decoded from clear messages (message id first, as
// Gdl90FrameReader gives them) by the layouts of the published GDL 90 data interface document:
// the Heartbeat (id 0, once a second), the Ownship Report (id 10) and the Ownship Geometric
// Altitude (id 11). Each decoder takes only its own id and a message at least as long as its
// layout; anything else gives nothing.

#include <QByteArrayView>

#include <cstdint>
#include <optional>

enum class Gdl90MessageId : uint8_t {
    Heartbeat = 0,
    OwnshipReport = 10,
    OwnshipGeometricAltitude = 11,
};

struct Gdl90Heartbeat {
    bool gpsPositionValid = false; // status byte 1, bit 7
    bool utcOk = false;            // status byte 2, bit 0: the time stamp is UTC
    uint32_t secondsOfDay = 0;     // the 17-bit time stamp: seconds since 0000Z
};

// What the track/heading byte of an ownship report holds (bits 0-1 of its "misc" field).
enum class Gdl90TrackKind : uint8_t { None, TrueTrack, MagneticHeading, TrueHeading };

struct Gdl90Ownship {
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    std::optional<double> pressureAltitudeFeet;
    int nic = 0;  // navigation integrity category: 0 is unknown (no position)
    int nacp = 0; // navigation accuracy category for position
    std::optional<double> speedKnots;
    Gdl90TrackKind trackKind = Gdl90TrackKind::None;
    double track = 0; // degrees, as trackKind says
};

std::optional<Gdl90Heartbeat> DecodeGdl90Heartbeat(QByteArrayView message);
std::optional<Gdl90Ownship> DecodeGdl90Ownship(QByteArrayView message);
// The geometric altitude (above the WGS-84 ellipsoid) in feet.
std::optional<int32_t> DecodeGdl90GeometricAltitudeFeet(QByteArrayView message);
