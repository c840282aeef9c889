#pragma once
// The wind triangle: the heading that holds a track against a wind, the ground speed along it and
// the time for a distance. Heading & Time uses it, and flight planning calls it for every leg.

#include "core/common/Outcome.h"

// What the wind is doing to a flight along the track.
struct WindSolution {
    double groundSpeed = 0.0; // in the unit of the TAS and wind speed
    double heading = 0.0;     // true, degrees 0..360
    double time = 0.0;        // hours: distance / ground speed
};

// Messages of a wind the aircraft cannot fly against.
inline constexpr const char* kWindTooStrongText =
    "The wind is too strong for this true air speed: no heading holds the track.";
inline constexpr const char* kNoProgressText =
    "The head wind is as strong as the true air speed or stronger: the aircraft makes no "
    "progress along the track.";

// Solves the triangle for a track (degrees), distance, TAS, wind speed and the direction the wind
// blows from (degrees). A TAS of 0 means none was given: ground speed 0, heading = track, time 0.
// A wind equal to the track gives heading = track and ground speed TAS - wind speed. Fails (with
// the information icon) when the cross-wind part exceeds the TAS (kWindTooStrongText) or when the
// ground speed comes out at 0 or below (kNoProgressText): there is then no heading or time.
Outcome<WindSolution> SolveWindTriangle(double track, double distance, double tas, double windSpeed,
                                        double windDirection);

// An angle in radians brought into 0..full circle (negative + circle, then above it - circle).
double NormaliseRadians(double angle);
