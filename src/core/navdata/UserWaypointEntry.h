#pragma once
// The fields of the "User Waypoint" dialog and the waypoint they make. The coordinate fields
// show absolute values; the hemisphere lists and the East box give the signs.

#include "core/navdata/UserWaypoint.h"

#include "core/common/Outcome.h"

struct UserWaypointEntry {
    QString ident;
    QString name;
    int32_t latitude = 0; // seconds of arc, as the field shows it (never negative)
    bool south = false;
    int32_t longitude = 0;
    bool east = false;
    QString magVar; // "0" to "24"
    bool varEast = false;
};

inline constexpr int kWaypointIdentLimit = 6;
inline constexpr int kWaypointNameLimit = 15;
inline constexpr int kMaxMagVar = 24;

// The fields for a waypoint: absolute values, "South" for a negative latitude, "East" for a
// negative longitude (0 counts as West), the variation's size with East for a negative one.
UserWaypointEntry EntryFromUserWaypoint(const UserWaypoint& waypoint);

// The waypoint the fields make, checked in this order: an ID, a name, a latitude, a longitude
// (a coordinate of 0 counts as not entered, so the equator and the prime meridian cannot be
// entered), a variation of 0 to 24 whole degrees (empty is 0). Fails with the first check's
// message (error icon).
Outcome<UserWaypoint> UserWaypointFromEntry(const UserWaypointEntry& entry);
