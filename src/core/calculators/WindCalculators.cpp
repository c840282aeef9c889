#include "core/calculators/WindCalculators.h"

#include "core/calculators/CalcStop.h"
#include "core/calculators/DirectionText.h"
#include "core/calculators/WindTriangle.h"
#include "core/common/Constants.h"
#include "core/common/resources/Resources.h"
#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"
#include "core/common/text/Rounding.h"
#include "resource.h"

#include <cmath>
#include <cstdlib>

namespace {

void AddGroundSpeedOutputs(GroundSpeedResult& r, double groundSpeed, double heading) {
    r.texts.Add(QStringLiteral("Heading"), FormatText("%.0f°", heading));
    r.texts.Add(QStringLiteral("Ground Speed"), FormatText("%.0f", groundSpeed));
    r.graph.heading = heading;
    r.graph.hasResult = heading != 0;
}

} // namespace

GroundSpeedResult CalculateGroundSpeed(const GroundSpeedInput& in) {
    GroundSpeedResult r;
    r.graph.hasAircraft = true;
    const double windSpeed = TextToDouble(in.windSpeed);
    double windDirection = 0, course = 0;
    const bool read = ReadDirectionInto(in.windDirection, QStringLiteral("Wind Direction"),
                                        IDS_INVALID_WIND_DIRECTION, r.texts, &windDirection) &&
                      ReadDirectionInto(in.course, QStringLiteral("Course"), IDS_INVALID_COURSE,
                                        r.texts, &course);
    // The outputs are written after a stopping message too, then with the zero results.
    double groundSpeed = 0, heading = 0;
    const double tas = TextToDouble(in.tas);
    if (read && windDirection * course * tas != 0) {
        if (windDirection == course) {
            groundSpeed = RoundTenth(tas - windSpeed);
            heading = course;
        } else {
            const double a =
                windDirection * units::kDegreesToRadians - course * units::kDegreesToRadians;
            const double s = (windSpeed / tas) * std::sin(a);
            if (s >= -1.0 && s <= 1.0) { // a wind the TAS cannot counter leaves both at 0
                heading = NormaliseRadians(std::asin(s) + course * units::kDegreesToRadians) *
                          units::kRadiansToDegrees;
                groundSpeed = std::sqrt(1.0 - s * s) * tas - std::cos(a) * windSpeed;
            }
        }
    }
    r.graph.windDirection = windDirection;
    r.graph.course = course;
    AddGroundSpeedOutputs(r, groundSpeed, heading);
    return r;
}

FindWindResult CalculateFindWind(const FindWindInput& in) {
    FindWindResult r;
    double windDirection = -1.0, windSpeed = -1.0;
    const double groundSpeed = TextToDouble(in.groundSpeed);
    double heading = 0, course = 0;
    if (!ReadDirectionInto(in.heading, QStringLiteral("Heading"), IDS_INVALID_HEADING, r.texts,
                           &heading, /*emptyIsNorth=*/true))
        return r;
    const double tas = TextToDouble(in.tas);
    if (!ReadDirectionInto(in.course, QStringLiteral("Course"), IDS_INVALID_COURSE, r.texts,
                           &course))
        return r;
    r.graph.hasAircraft = true;
    r.graph.heading = heading;
    r.graph.course = course;
    if (course * heading * tas * groundSpeed != 0) {
        if (heading == course) {
            if (tas > groundSpeed) { // a head wind, from the course itself
                windSpeed = RoundTenth(tas - groundSpeed);
                windDirection = course;
            } else {
                windSpeed = RoundTenth(groundSpeed - tas);
                windDirection = course + 180.0;
                if (windDirection > 360.0)
                    windDirection -= 360.0;
            }
        } else {
            const double w = (heading - course) * units::kDegreesToRadians;
            const double half = std::sin(w * 0.5);
            windSpeed = RoundTenth(std::sqrt(4.0 * half * half * tas * groundSpeed +
                                             (tas - groundSpeed) * (tas - groundSpeed)));
            const double d = std::atan2(std::sin(w) * tas, std::cos(w) * tas - groundSpeed) +
                             course * units::kDegreesToRadians;
            windDirection = RoundTenth(NormaliseRadians(d) * units::kRadiansToDegreesWind);
        }
    }
    r.graph.hasResult = windDirection != -1.0;
    r.graph.windDirection = windDirection;
    r.texts.Add(QStringLiteral("Wind Direction"), FormatText("%.0f°", windDirection));
    r.texts.Add(QStringLiteral("Wind Speed"), FormatText("%.0f", windSpeed));
    return r;
}

CrossWindGraphValues CrossWindComponents(double heading, int windSpeed, double windDirection) {
    CrossWindGraphValues c;
    c.angle = 0;
    if (heading * windSpeed * windDirection == 0)
        return c;
    int angle = static_cast<int>(heading - windDirection);
    if (std::abs(angle) > 180) {
        if (heading > 180 && windDirection < 180)
            angle = static_cast<int>(heading - (windDirection + 360));
        else if (windDirection > 180 && heading < 180)
            angle = static_cast<int>((heading + 360) - windDirection);
    }
    if (angle < 0) {
        c.fromRight = true;
        angle = -angle;
    }
    if (angle > 180) {
        c.fromRight = true;
        angle -= 180;
    }
    if (angle == 0) {
        c.headWind = windSpeed;
    } else if (angle == 180) {
        c.headWind = -windSpeed;
    } else {
        const double radians = angle * units::kDegreesToRadians;
        c.crossWind = RoundTenth(std::sin(radians) * windSpeed);
        c.headWind = RoundTenth(std::cos(radians) * windSpeed);
    }
    c.angle = angle > 90 ? 180 - angle : angle;
    return c;
}

CrossWindResult CalculateCrossWind(const CrossWindInput& in) {
    CrossWindResult r;
    double heading = 0, windDirection = 0;
    if (!ReadDirectionInto(in.heading, QStringLiteral("Heading"), IDS_INVALID_HEADING, r.texts,
                           &heading))
        return r;
    const int windSpeed = TextToInt(in.windSpeed);
    if (!ReadDirectionInto(in.windDirection, QStringLiteral("Wind Direction"),
                           IDS_INVALID_WIND_DIRECTION, r.texts, &windDirection))
        return r;
    r.graph = CrossWindComponents(heading, windSpeed, windDirection);
    const bool tail = r.graph.headWind < 0;
    r.texts.Add(QStringLiteral("Cross Wind"), FormatText("%.0f", r.graph.crossWind));
    r.texts.Add(LoadString(tail ? IDS_TAIL_WIND : IDS_HEAD_WIND),
                FormatText("%.0f", tail ? -r.graph.headWind : r.graph.headWind));
    const QByteArray angleFormat =
        LoadString(r.graph.fromRight ? IDS_ANGLE_RIGHT : IDS_ANGLE_LEFT).toUtf8();
    r.texts.Add(QStringLiteral("Angle"),
                FormatText(angleFormat.constData(), static_cast<unsigned>(r.graph.angle)));
    return r;
}
