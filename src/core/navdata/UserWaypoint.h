#pragma once
// A user waypoint: a named position of the pilot's own, stored in waypoints.db as a 60-byte
// record (identifier 8 and name 16 UTF-16 characters, each zero-terminated, then latitude,
// longitude and variation as 32-bit integers; little-endian).

#include "core/common/io/ByteReader.h"
#include "core/common/io/ByteWriter.h"

#include <QString>

#include <cstdint>

namespace waypointfile {
inline constexpr int kRecordBytes = 60;
inline constexpr int kIdentChars = 8; // including the terminating zero
inline constexpr int kNameChars = 16;
inline constexpr int kOldRecordBytes = 40; // version 2: name, latitude, longitude
inline constexpr int kOldIdentChars = 5;   // a version 2 name's first characters become the ID
} // namespace waypointfile

struct UserWaypoint {
    QString ident;         // at most 7 characters are stored (the edit field allows 6)
    QString name;          // at most 15
    int32_t latitude = 0;  // seconds of arc, negative = south
    int32_t longitude = 0; // seconds of arc, positive = west
    int32_t variation = 0; // whole degrees, negative = east

    bool operator==(const UserWaypoint&) const = default;
};

// Reads a 60-byte record. Texts end at their first zero; a field without one gives its first
// 7 or 15 characters.
UserWaypoint ReadUserWaypoint(ByteReader& in);
// Writes a 60-byte record; longer texts are cut to 7 and 15 characters.
void WriteUserWaypoint(ByteWriter& out, const UserWaypoint& waypoint);
// Reads a 40-byte version 2 record: the name's first five characters become the identifier and
// the variation is 0.
UserWaypoint ReadOldUserWaypoint(ByteReader& in);
