#include "core/planning/ExchangeRoute.h"

#include "core/common/Constants.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<ExchangePointType, const char*>, 6> kTypeTexts = {{
    {ExchangePointType::UserWaypoint, "USER WAYPOINT"},
    {ExchangePointType::Airport, "AIRPORT"},
    {ExchangePointType::Ndb, "NDB"},
    {ExchangePointType::Vor, "VOR"},
    {ExchangePointType::Intersection, "INT"},
    {ExchangePointType::ReportingPoint, "INT-VRP"},
}};

ExchangePointType TypeOf(const PlanLeg& point) {
    switch (point.kind) {
    case PlanPointKind::User:
        return ExchangePointType::UserWaypoint;
    case PlanPointKind::Airport:
        return ExchangePointType::Airport;
    case PlanPointKind::NavAid:
        break;
    }
    if (point.navAidType.startsWith(QLatin1String("NDB")))
        return ExchangePointType::Ndb;
    for (const char* vhf : {"VOR", "TACAN", "DME"})
        if (point.navAidType.startsWith(QLatin1String(vhf)))
            return ExchangePointType::Vor;
    return ExchangePointType::Intersection; // a type only known by its number
}

} // namespace

QString ExchangePointTypeText(ExchangePointType type) {
    for (const auto& [known, text] : kTypeTexts)
        if (known == type)
            return QString::fromLatin1(text);
    return {};
}

std::optional<ExchangePointType> ExchangePointTypeFromText(const QString& text) {
    for (const auto& [type, known] : kTypeTexts)
        if (text == QLatin1String(known))
            return type;
    return std::nullopt;
}

ExchangeRoute ExchangeRouteFromPlan(const FlightPlan& plan) {
    ExchangeRoute route;
    for (const PlanLeg& leg : plan.points) {
        ExchangePoint point;
        point.ident = leg.ident;
        point.type = TypeOf(leg);
        point.comment = leg.name;
        point.latitude = leg.latitude * units::kOne3600th;
        // West positive here, east positive in the files; + 0.0 keeps the prime meridian "0".
        point.longitude = -leg.longitude * units::kOne3600th + 0.0;
        route.points.append(point);
    }
    if (!plan.points.isEmpty()) {
        route.name = plan.points.first().ident;
        if (plan.points.size() > 1)
            route.name += QLatin1Char('/') + plan.points.last().ident;
    }
    return route;
}
