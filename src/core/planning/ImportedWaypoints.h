#pragma once
// The new user waypoints an import makes for the points that no known place has: one for each
// distinct point (the same identifier at the same position is one waypoint). Each is named by its
// identifier made to fit the waypoint editor (at most 6 of A-Z and 0-9, "WPT" for none) and
// numbered when a user waypoint, an airport, a nav aid or another new waypoint has it; its name
// is the file's identifier (or comment) cut to 15 characters, its variation that of the nearest
// nav aid within 200 nm (whole degrees, at most 24), else 0.

#include "core/common/text/PositionText.h"
#include "core/navdata/UserWaypoint.h"
#include "core/navdata/VariationFinder.h"
#include "core/planning/ExchangeRoute.h"

#include <QVector>

#include <optional>

class NavDatabase;
class UserWaypointStore;

// The point's position in seconds of arc, latitude north and longitude west positive.
Position SecondsOfArc(const ExchangePoint& point);

class ImportedWaypoints {
public:
    // Borrows the data sets (either may be missing) to keep new identifiers apart from theirs.
    ImportedWaypoints(const UserWaypointStore* waypoints, NavDatabase* navData)
        : waypoints_(waypoints), navData_(navData) {}

    // A user waypoint an earlier import made for the point: at its position to the second, with
    // the name or the fitted identifier a new one would get. Nothing when there is none.
    std::optional<UserWaypoint> MadeBefore(const ExchangePoint& point) const;
    // The waypoint made for the point before, or a new one.
    UserWaypoint For(const ExchangePoint& point);
    const QVector<UserWaypoint>& All() const { return made_; }

private:
    static QString NameFor(const ExchangePoint& point);
    bool Taken(const QString& ident) const;
    int32_t VariationAt(const Position& position);

    const UserWaypointStore* waypoints_;
    NavDatabase* navData_;
    QVector<UserWaypoint> made_;
    QVector<QString> fitted_; // the fitted identifier each was made for, before numbering
    std::optional<VariationFinder> variations_;
};
