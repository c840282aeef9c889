#include "core/navdata/UserWaypointEntry.h"

#include "core/common/text/NumberText.h"

#include <algorithm>
#include <cstdlib>

UserWaypointEntry EntryFromUserWaypoint(const UserWaypoint& waypoint) {
    UserWaypointEntry entry;
    entry.ident = waypoint.ident;
    entry.name = waypoint.name;
    entry.latitude = static_cast<int32_t>(std::llabs(waypoint.latitude));
    entry.south = waypoint.latitude < 0;
    entry.longitude = static_cast<int32_t>(std::llabs(waypoint.longitude));
    entry.east = waypoint.longitude < 0;
    entry.magVar = QString::number(std::llabs(waypoint.variation));
    entry.varEast = waypoint.variation < 0;
    return entry;
}

Outcome<UserWaypoint> UserWaypointFromEntry(const UserWaypointEntry& entry) {
    if (entry.ident.isEmpty())
        return Outcome<UserWaypoint>::Fail(
            QStringLiteral("Error:\nYou must specify an ID for this waypoint."));
    if (entry.name.isEmpty())
        return Outcome<UserWaypoint>::Fail(
            QStringLiteral("Error:\nYou must specify a name for this waypoint."));
    if (entry.latitude == 0)
        return Outcome<UserWaypoint>::Fail(
            QStringLiteral("You must enter a latitude for this waypoint."));
    if (entry.longitude == 0)
        return Outcome<UserWaypoint>::Fail(
            QStringLiteral("You must enter a longitude for this waypoint."));
    const QString magVar = entry.magVar.trimmed();
    const bool digits =
        std::all_of(magVar.begin(), magVar.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const int variation = TextToInt(magVar);
    // Flight planning applies the variation to every heading: a value no map shows is refused.
    if (!digits || magVar.size() > 2 || variation > kMaxMagVar)
        return Outcome<UserWaypoint>::Fail(
            QStringLiteral("Error:\nThe magnetic variation must be 0 to 24 degrees."));
    UserWaypoint waypoint;
    waypoint.ident = entry.ident.left(kWaypointIdentLimit);
    waypoint.name = entry.name.left(kWaypointNameLimit);
    waypoint.latitude = entry.south ? -entry.latitude : entry.latitude;
    waypoint.longitude = entry.east ? -entry.longitude : entry.longitude;
    waypoint.variation = entry.varEast ? -variation : variation;
    return waypoint;
}
