#include "core/gps/Gdl90Messages.h"

namespace {

constexpr qsizetype kHeartbeatBytes = 7;
constexpr qsizetype kOwnshipBytes = 28;
constexpr qsizetype kGeometricAltitudeBytes = 5;
constexpr unsigned kUnknown12Bits = 0xFFF;

// The message when it has the id and at least the length; otherwise an empty view.
QByteArrayView Gdl90Body(QByteArrayView message, Gdl90MessageId id, qsizetype length) {
    if (message.size() < length || static_cast<uint8_t>(message[0]) != static_cast<uint8_t>(id))
        return {};
    return message;
}

unsigned Gdl90Byte(QByteArrayView message, qsizetype at) {
    return static_cast<uint8_t>(message[at]);
}

// A 24-bit two's-complement fraction of 180 degrees, most significant byte first.
double Gdl90Degrees(QByteArrayView message, qsizetype at) {
    int32_t raw =
        static_cast<int32_t>(Gdl90Byte(message, at) << 16 | Gdl90Byte(message, at + 1) << 8 |
                             Gdl90Byte(message, at + 2));
    if (raw & 0x800000)
        raw -= 0x1000000;
    return raw * (180.0 / (1 << 23));
}

} // namespace

std::optional<Gdl90Heartbeat> DecodeGdl90Heartbeat(QByteArrayView message) {
    const QByteArrayView m = Gdl90Body(message, Gdl90MessageId::Heartbeat, kHeartbeatBytes);
    if (m.isEmpty())
        return std::nullopt;
    const unsigned status1 = Gdl90Byte(m, 1), status2 = Gdl90Byte(m, 2);
    Gdl90Heartbeat h;
    h.gpsPositionValid = (status1 & 0x80) != 0;
    h.utcOk = (status2 & 0x01) != 0;
    // Bit 16 in status byte 2, the low 16 bits least significant byte first.
    h.secondsOfDay = (status2 & 0x80) << 9 | Gdl90Byte(m, 4) << 8 | Gdl90Byte(m, 3);
    return h;
}

std::optional<Gdl90Ownship> DecodeGdl90Ownship(QByteArrayView message) {
    // Bytes after the id: st aa aa aa ll ll ll nn nn nn dd dm ia hh hv vv tt ee cc*8 px.
    const QByteArrayView m = Gdl90Body(message, Gdl90MessageId::OwnshipReport, kOwnshipBytes);
    if (m.isEmpty())
        return std::nullopt;
    Gdl90Ownship o;
    o.latitude = Gdl90Degrees(m, 5);
    o.longitude = Gdl90Degrees(m, 8);
    const unsigned altitude = Gdl90Byte(m, 11) << 4 | Gdl90Byte(m, 12) >> 4;
    if (altitude != kUnknown12Bits)
        o.pressureAltitudeFeet = altitude * 25.0 - 1000.0;
    o.trackKind = static_cast<Gdl90TrackKind>(Gdl90Byte(m, 12) & 0x03); // bits 0-1 of "misc"
    o.nic = static_cast<int>(Gdl90Byte(m, 13) >> 4);
    o.nacp = static_cast<int>(Gdl90Byte(m, 13) & 0x0F);
    const unsigned speed = Gdl90Byte(m, 14) << 4 | Gdl90Byte(m, 15) >> 4;
    if (speed != kUnknown12Bits)
        o.speedKnots = speed;
    o.track = Gdl90Byte(m, 17) * (360.0 / 256.0);
    return o;
}

std::optional<int32_t> DecodeGdl90GeometricAltitudeFeet(QByteArrayView message) {
    const QByteArrayView m =
        Gdl90Body(message, Gdl90MessageId::OwnshipGeometricAltitude, kGeometricAltitudeBytes);
    if (m.isEmpty())
        return std::nullopt;
    const auto raw = static_cast<int16_t>(Gdl90Byte(m, 1) << 8 | Gdl90Byte(m, 2));
    return int32_t{raw} * 5;
}
