#pragma once
// Finds the points of a route: a user waypoint first, then an airport, then a nav aid, each with
// its own magnetic variation. Borrows the document's waypoints and navigation data (either may
// be missing); finding a nav aid makes it the most recent nav aid.

#include "core/planning/PlanLeg.h"

#include <optional>

class NavDatabase;
class UserWaypointStore;

class RoutePlaces {
public:
    RoutePlaces(const UserWaypointStore* waypoints, NavDatabase* navData)
        : waypoints_(waypoints), navData_(navData) {}

    // The point with its identifier, position and variation; nothing when no kind knows it.
    std::optional<PlanLeg> Find(const QString& ident) const;

private:
    const UserWaypointStore* waypoints_;
    NavDatabase* navData_;
};
