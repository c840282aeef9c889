#include "core/planning/RoutePlaces.h"

#include "core/navdata/NavDatabase.h"
#include "core/navdata/UserWaypointStore.h"

namespace {

PlanLeg Point(const QString& ident, PlanPointKind kind, const Place& place) {
    PlanLeg point;
    point.ident = ident;
    point.kind = kind;
    point.name = place.name;
    point.navAidType = place.type;
    point.latitude = place.latitude;
    point.longitude = place.longitude;
    point.variation = place.variation;
    return point;
}

} // namespace

const PlacePick* RoutePlaces::PickFor(const QString& ident) const {
    for (auto pick = picks_.crbegin(); pick != picks_.crend(); ++pick)
        if (pick->ident == ident && pick->position >= 0)
            return &*pick; // the latest pick of the identifier
    return nullptr;
}

std::optional<PlanLeg> RoutePlaces::Find(const QString& ident, const std::optional<Position>& near,
                                         Sharing* sharing) const {
    const PlacePick* pick = PickFor(ident);
    if (UserWaypoint waypoint;
        !pick && waypoints_ && waypoints_->FindUserWaypoint(ident, &waypoint)) {
        Place place(waypoint.name, waypoint.latitude, waypoint.longitude);
        place.variation = waypoint.variation;
        return Point(ident, PlanPointKind::User, place);
    }
    if (!navData_)
        return std::nullopt;
    const PlaceHint hint{pick ? *pick : PlacePick(), near};
    for (const PlaceKind kind : {PlaceKind::Airport, PlaceKind::NavAid}) {
        if (kind == PlaceKind::Airport && pick && pick->kind == PlaceKind::NavAid)
            continue; // a nav aid picked for the route comes before an airport of its name
        const Outcome<Place> place = FindPlace(kind, ident, *navData_, {}, hint);
        if (!place)
            continue;
        if (sharing)
            *sharing = {place->sharing, place->Chosen(), PlaceLabel(place.value())};
        return Point(ident,
                     kind == PlaceKind::Airport ? PlanPointKind::Airport : PlanPointKind::NavAid,
                     place.value());
    }
    return std::nullopt;
}
