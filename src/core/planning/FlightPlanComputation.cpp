#include "core/planning/FlightPlanComputation.h"

#include "core/calculators/WindTriangle.h"
#include "core/common/Constants.h"
#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"
#include "core/navdata/GreatCircle.h"
#include "core/planning/RoutePlaces.h"
#include "core/planning/RouteText.h"

namespace {

constexpr double kMaxWindDirection = 360.0;
constexpr double kMaxWindSpeed = 90.0;

struct Wind {
    double direction = 0.0;
    double speed = 0.0;
};

// Distance and tracks of the leg from `from` to `to`, with the wind correction. Returns the
// wind triangle's message when no heading holds the track.
Status ComputeLeg(PlanLeg& from, const PlanLeg& to, double tas, const Wind& wind, bool magnetic) {
    const double variation = (from.variation + to.variation) * 0.5;
    const double lat1 = from.latitude * units::kOne3600th;
    const double lon1 = from.longitude * units::kOne3600th;
    const double lat2 = to.latitude * units::kOne3600th;
    const double lon2 = to.longitude * units::kOne3600th;
    from.distance = GreatCircleDistance(lat1, lon1, lat2, lon2);
    const double trueTrack = GreatCircleTrack(lat1, lon1, lat2, lon2);
    from.magneticTrack = NormaliseDegrees(trueTrack + variation);
    const double course = magnetic ? from.magneticTrack : trueTrack;
    const Outcome<WindSolution> solved =
        SolveWindTriangle(course, from.distance, tas, wind.speed, wind.direction);
    if (!solved.ok()) {
        from.hasHeading = false;
        from.hasTime = false;
        return Status(solved.error());
    }
    from.groundSpeed = solved->groundSpeed;
    from.magneticHeading =
        magnetic ? solved->heading : NormaliseDegrees(solved->heading + variation);
    from.legTime = solved->time;
    // Without a TAS (or a ground speed) the leg's time is unknown, not zero.
    from.hasTime = solved->groundSpeed > 0;
    return {};
}

// Adds the legs' fuel and time up; an unknown time leaves every later total unknown too.
void Accumulate(QVector<PlanLeg>& points, double fuelBurn) {
    double fuel = 0.0;
    double elapsed = 0.0;
    bool known = true;
    for (int i = 0; i + 1 < points.size(); ++i) {
        PlanLeg& leg = points[i];
        known = known && leg.hasTime;
        leg.hasTotals = known;
        if (!known)
            continue;
        fuel += leg.legTime * fuelBurn;
        elapsed += leg.legTime;
        leg.fuel = fuel;
        leg.elapsed = elapsed;
    }
}

Position PositionOf(const PlanLeg& point) {
    return {static_cast<int32_t>(point.latitude), static_cast<int32_t>(point.longitude)};
}

// The route's points, each found near the point before it; the first, when a nav aid shared its
// identifier, is found again near the second. Every point taken from several nav aids by its
// identifier alone is noted with the one taken.
Outcome<QVector<PlanLeg>> FindRoutePoints(const QStringList& idents, const RoutePlaces& places,
                                          QList<Message>* notices) {
    QVector<PlanLeg> points;
    QVector<RoutePlaces::Sharing> sharing(idents.size());
    for (int i = 0; i < idents.size(); ++i) {
        const std::optional<Position> near =
            points.isEmpty() ? std::nullopt : std::optional(PositionOf(points.last()));
        std::optional<PlanLeg> point = places.Find(idents[i], near, &sharing[i]);
        if (!point)
            return Message{QStringLiteral("Identifier ") + idents[i] +
                               QStringLiteral(" not found."),
                           MessageIcon::Warning};
        points.append(*point);
    }
    if (points.size() > 1 && sharing[0].chosen && !sharing[1].chosen)
        if (std::optional<PlanLeg> again =
                places.Find(idents[0], PositionOf(points[1]), &sharing[0]))
            points[0] = *again;
    for (int i = 0; i < idents.size(); ++i)
        if (sharing[i].chosen)
            notices->append({QStringLiteral("Identifier %1: %2.").arg(idents[i], sharing[i].label),
                             MessageIcon::Information});
    return points;
}

} // namespace

double NormaliseDegrees(double angle) {
    if (angle > 360.0)
        angle -= 360.0;
    if (angle < 0.0)
        angle += 360.0;
    return angle;
}

Status CheckPlanWind(const PlanInputs& inputs) {
    const double direction = TextToDouble(inputs.windDirection);
    if (direction > kMaxWindDirection || direction < 0)
        return Status::Fail(FormatText("Error: Invalid wind heading (%.0f)", direction),
                            MessageIcon::Information);
    const double speed = TextToDouble(inputs.windSpeed);
    if (speed > kMaxWindSpeed || speed < 0)
        return Status::Fail(FormatText("Error: Invalid wind speed (%.0f)", speed),
                            MessageIcon::Information);
    return {};
}

Outcome<PlanComputation> ComputeFlightPlan(const PlanInputs& inputs, double fuelBurn,
                                           const RoutePlaces& places) {
    PlanComputation result;
    QStringList idents = SplitRoute(inputs.route);
    if (idents.size() > kMaxPlanPoints) {
        idents = idents.mid(0, kMaxPlanPoints);
        result.notices.append({QString::fromLatin1(kTooManyPointsText), MessageIcon::Information});
    }
    Outcome<QVector<PlanLeg>> found = FindRoutePoints(idents, places, &result.notices);
    if (!found)
        return found.error();
    QVector<PlanLeg>& points = result.plan.points;
    points = std::move(found.value());
    const double tas = TextToDouble(inputs.tas);
    const Wind wind{TextToDouble(inputs.windDirection), TextToDouble(inputs.windSpeed)};
    bool windReported = false;
    for (int i = 0; i + 1 < points.size(); ++i) {
        const Status computed = ComputeLeg(points[i], points[i + 1], tas, wind, inputs.magnetic);
        if (!computed && !windReported) {
            result.notices.append(computed.error());
            windReported = true;
        }
    }
    Accumulate(points, fuelBurn);
    return result;
}
