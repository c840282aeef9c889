#pragma once
// Turns the route of another program's plan file into a route of this program's places without
// changing anything. A point whose identifier the user waypoints or the navigation data hold
// becomes that place: of the kind the file's type names when there is one, else a user waypoint,
// an airport or a nav aid in that order, and of several nav aids sharing the identifier the one
// nearest the file's position. An identifier that comes again means the same place again. A point
// an earlier import made a user waypoint for is that waypoint again (see ImportedWaypoints).
// Every other point would become a new user waypoint (see ImportedWaypoints for its name).
//
// The caller shows the new waypoints and asks first; CommitPlanImport adds them, and then the
// route text and the picks (RoutePlaces) give the plan. Only the first 25 points are taken.

#include "core/calculators/DistanceTrack.h"
#include "core/common/Outcome.h"
#include "core/navdata/UserWaypoint.h"
#include "core/planning/ExchangeRoute.h"

#include <QList>
#include <QVector>

class NavDatabase;
class UserWaypointStore;

enum class ImportedPointSource { UserWaypoint, Airport, NavAid, NewWaypoint };

struct ImportedPoint {
    ExchangePoint file; // as the file has it
    ImportedPointSource source = ImportedPointSource::NewWaypoint;
    QString ident;       // the route's identifier for it
    QString name;        // the place's name (a new waypoint's name)
    unsigned offset = 0; // whole nautical miles from the file's position to the place taken
};

struct PlanImport {
    QVector<ImportedPoint> points;      // in route order
    QVector<UserWaypoint> newWaypoints; // each once, in route order
    QString route;                      // the identifiers, one space apart
    QVector<PlacePick> picks;           // the airports and nav aids taken, for RoutePlaces
    QList<Message> notices;             // "Only the first 25 points of the route are used."
};

// Either data set may be missing. As in the plan's own look-ups, a nav aid found becomes the most
// recent nav aid.
PlanImport ResolvePlanImport(const ExchangeRoute& route, const UserWaypointStore* waypoints,
                             NavDatabase* navData);

// Adds the new waypoints to the store, each saved at once. Fails with the store as it was
// (as far as it can still be saved) when one of their identifiers has been given to a waypoint
// since ("A user waypoint X exists already.") or when a save fails (the store's message).
Status CommitPlanImport(const PlanImport& import, UserWaypointStore& waypoints);
