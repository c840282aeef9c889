#include "core/calculators/WindTriangle.h"

#include "core/common/Constants.h"

#include <cmath>

double NormaliseRadians(double angle) {
    if (angle < 0)
        angle += units::kFullCircle;
    if (angle > units::kFullCircle)
        angle -= units::kFullCircle;
    return angle;
}

Outcome<WindSolution> SolveWindTriangle(double track, double distance, double tas, double windSpeed,
                                        double windDirection) {
    WindSolution solution;
    if (tas == 0) {
        solution.heading = track;
        return solution;
    }
    if (windDirection == track) {
        solution.groundSpeed = tas - windSpeed;
        solution.heading = track;
    } else {
        const double trk = track * units::kDegreesToRadians;
        const double a = windDirection * units::kDegreesToRadians - trk;
        const double s = (windSpeed / tas) * std::sin(a); // sine of the wind correction angle
        if (s < -1.0 || s > 1.0)
            return Outcome<WindSolution>::Fail(kWindTooStrongText, MessageIcon::Information);
        solution.heading = NormaliseRadians(std::asin(s) + trk) * units::kRadiansToDegrees;
        solution.groundSpeed = std::sqrt(1.0 - s * s) * tas - std::cos(a) * windSpeed;
    }
    if (!(solution.groundSpeed > 0))
        return Outcome<WindSolution>::Fail(kNoProgressText, MessageIcon::Information);
    solution.time = distance / solution.groundSpeed;
    return solution;
}
