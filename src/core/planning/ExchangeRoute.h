#pragma once
// A route as other programs' plan files carry it: named points with their kinds and positions in
// decimal degrees. The .fpl and GPX writers take one, the readers give one, and the import turns
// one back into a route of this program's places.

#include "core/planning/PlanLeg.h"

#include <QString>
#include <QVector>

#include <optional>

// The waypoint types of .fpl files; GPX points carry one in their <type> when written here.
enum class ExchangePointType { UserWaypoint, Airport, Ndb, Vor, Intersection, ReportingPoint };

// "USER WAYPOINT", "AIRPORT", "NDB", "VOR", "INT", "INT-VRP".
QString ExchangePointTypeText(ExchangePointType type);
// The type a text names (exactly as written above); nothing for any other text.
std::optional<ExchangePointType> ExchangePointTypeFromText(const QString& text);

struct ExchangePoint {
    QString ident;                         // as the file names the point
    std::optional<ExchangePointType> type; // none for a GPX point without a known type
    QString countryCode;                   // .fpl only; "" when not given
    QString comment;                       // what the point is, in the file's words
    double latitude = 0.0;                 // degrees, north positive
    double longitude = 0.0;                // degrees, east positive

    bool operator==(const ExchangePoint&) const = default;
};

struct ExchangeRoute {
    QString name;
    QVector<ExchangePoint> points;

    bool operator==(const ExchangeRoute&) const = default;
};

// The plan's points in order, each with its identifier, type (a nav aid's by its kind: NDBs are
// "NDB", VORs, TACANs and DMEs "VOR", a type the data do not name "INT"), name and position; the
// route is named "FIRST/LAST" by its end points.
ExchangeRoute ExchangeRouteFromPlan(const FlightPlan& plan);
