#include "core/planning/ImportedWaypoints.h"

#include "core/common/Constants.h"
#include "core/navdata/NavDatabase.h"
#include "core/navdata/UserWaypointEntry.h"
#include "core/navdata/UserWaypointStore.h"
#include "core/planning/IdentFitting.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kVariationReach = 200.0; // nautical miles
constexpr double kSecondsPerDegree = 3600.0;

std::vector<VariationFinder::Point> NavAidVariations(NavDatabase* navData) {
    std::vector<VariationFinder::Point> points;
    if (!navData)
        return points;
    for (const NavAidRecord& aid : navData->NavAidTable())
        points.push_back(
            {aid.latitude * units::kOne3600th, aid.longitude * units::kOne3600th, aid.variation});
    return points;
}

} // namespace

Position SecondsOfArc(const ExchangePoint& point) {
    return {static_cast<int32_t>(std::lround(point.latitude * kSecondsPerDegree)),
            static_cast<int32_t>(-std::lround(point.longitude * kSecondsPerDegree))};
}

bool ImportedWaypoints::Taken(const QString& ident) const {
    UserWaypoint waypoint;
    if (waypoints_ && waypoints_->FindUserWaypoint(ident, &waypoint))
        return true;
    AirportRecord airport;
    QString name;
    if (navData_ && (navData_->GetAirportSummary(ident, &airport, &name) ||
                     !navData_->NavAidPositions(ident).empty()))
        return true;
    return FindUserWaypointIn(made_, ident, &waypoint);
}

int32_t ImportedWaypoints::VariationAt(const Position& position) {
    if (!variations_)
        variations_.emplace(NavAidVariations(navData_), kVariationReach);
    const std::optional<float> found = variations_->Nearest(position.latitude * units::kOne3600th,
                                                            position.longitude * units::kOne3600th);
    if (!found)
        return 0;
    const long whole = std::lround(*found);
    return static_cast<int32_t>(std::clamp<long>(whole, -kMaxMagVar, kMaxMagVar));
}

QString ImportedWaypoints::NameFor(const ExchangePoint& point) {
    const QString named = point.ident.trimmed().isEmpty() ? point.comment : point.ident;
    return named.trimmed().left(kWaypointNameLimit);
}

std::optional<UserWaypoint> ImportedWaypoints::MadeBefore(const ExchangePoint& point) const {
    if (!waypoints_)
        return std::nullopt;
    const Position position = SecondsOfArc(point);
    const QString name = NameFor(point);
    const QString fitted = FitIdentifier(point.ident, kWaypointIdentLimit);
    for (const UserWaypoint& w : waypoints_->Waypoints())
        if (w.latitude == position.latitude && w.longitude == position.longitude &&
            ((!name.isEmpty() && w.name == name) || (!fitted.isEmpty() && w.ident == fitted)))
            return w;
    return std::nullopt;
}

UserWaypoint ImportedWaypoints::For(const ExchangePoint& point) {
    const Position position = SecondsOfArc(point);
    const QString fitted = FitIdentifier(point.ident, kWaypointIdentLimit);
    for (qsizetype i = 0; i < made_.size(); ++i)
        if (fitted_[i] == fitted && made_[i].latitude == position.latitude &&
            made_[i].longitude == position.longitude)
            return made_[i];
    UserWaypoint waypoint;
    waypoint.ident = UniqueIdentifier(fitted, kWaypointIdentLimit,
                                      [this](const QString& ident) { return Taken(ident); });
    waypoint.name = NameFor(point);
    if (waypoint.name.isEmpty())
        waypoint.name = waypoint.ident;
    waypoint.latitude = position.latitude;
    waypoint.longitude = position.longitude;
    waypoint.variation = VariationAt(position);
    made_.append(waypoint);
    fitted_.append(fitted);
    return waypoint;
}
