#pragma once
// Finds the points of a route: a user waypoint first, then an airport, then a nav aid, each with
// its own magnetic variation. Borrows the document's waypoints and navigation data (either may
// be missing); finding a nav aid makes it the most recent nav aid.
//
// A place picked from a search for the route is used as picked (its record, whatever the order
// of kinds). A typed identifier that several nav aids share means the one nearest the other
// end of the leg, or without one the current airport.

#include "core/calculators/DistanceTrack.h"
#include "core/planning/PlanLeg.h"

#include <QVector>

#include <optional>

class NavDatabase;
class UserWaypointStore;

class RoutePlaces {
public:
    RoutePlaces(const UserWaypointStore* waypoints, NavDatabase* navData,
                QVector<PlacePick> picks = {})
        : waypoints_(waypoints), navData_(navData), picks_(std::move(picks)) {}

    // How a nav aid point was found among the nav aids sharing its identifier.
    struct Sharing {
        int count = 1;       // nav aids with the identifier
        bool chosen = false; // one of several, taken by the identifier alone (not picked)
        QString label;       // the one taken, as PlaceLabel shows it
    };

    // The point with its identifier, position and variation; nothing when no kind knows it.
    std::optional<PlanLeg> Find(const QString& ident, const std::optional<Position>& near = {},
                                Sharing* sharing = nullptr) const;

private:
    const PlacePick* PickFor(const QString& ident) const;

    const UserWaypointStore* waypoints_;
    NavDatabase* navData_;
    QVector<PlacePick> picks_;
};
