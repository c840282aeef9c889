#pragma once
// One point of a flight plan with the leg that starts there (the last point has no leg), and the
// plan as the table shows it.

#include <QString>
#include <QVector>

// What a route point was found as.
enum class PlanPointKind { User, Airport, NavAid };

struct PlanLeg {
    QString ident;
    PlanPointKind kind = PlanPointKind::User;
    QString name;           // the waypoint's, airport's or nav aid's name
    QString navAidType;     // nav aids: the type as NavAidTypeText gives it ("VOR/DME", "NDB")
    double latitude = 0.0;  // seconds of arc, negative = south
    double longitude = 0.0; // seconds of arc, positive = west
    double variation = 0.0; // degrees, positive = west
    double distance = 0.0;  // whole nautical miles to the next point
    double magneticTrack = 0.0;
    double magneticHeading = 0.0;
    double groundSpeed = 0.0; // knots
    double legTime = 0.0;     // hours
    double fuel = 0.0;        // used from the first point to the end of this leg
    double elapsed = 0.0;     // hours from the first point to the end of this leg
    // What is known of the leg: a wind the aircraft cannot fly against leaves heading and ground
    // speed unknown; no TAS (or no heading) leaves the leg's time unknown; an unknown time on this
    // or an earlier leg leaves fuel and elapsed time unknown.
    bool hasHeading = true;
    bool hasTime = true;
    bool hasTotals = true;
};

struct FlightPlan {
    QVector<PlanLeg> points; // at most kMaxPlanPoints
};

inline constexpr int kMaxPlanPoints = 25;
