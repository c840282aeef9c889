#include "core/planning/RoutePlaces.h"

#include "core/navdata/NavDatabase.h"
#include "core/navdata/UserWaypointStore.h"

namespace {

PlanLeg Point(const QString& ident, double latitude, double longitude, double variation) {
    PlanLeg point;
    point.ident = ident;
    point.latitude = latitude;
    point.longitude = longitude;
    point.variation = variation;
    return point;
}

} // namespace

std::optional<PlanLeg> RoutePlaces::Find(const QString& ident) const {
    if (UserWaypoint waypoint; waypoints_ && waypoints_->FindUserWaypoint(ident, &waypoint))
        return Point(ident, waypoint.latitude, waypoint.longitude, waypoint.variation);
    if (!navData_)
        return std::nullopt;
    AirportRecord airport;
    QString name;
    if (navData_->GetAirportSummary(ident, &airport, &name))
        return Point(ident, airport.latitude, airport.longitude, airport.variation);
    if (NavAidRecord aid; navData_->FindNavAid(ident, &aid, &name))
        return Point(ident, aid.latitude, aid.longitude, aid.variation);
    return std::nullopt;
}
