#pragma once
// A fix from a source that decodes positions itself (gpsd, GDL90): decimal degrees, knots and a
// UTC time, turned into the values the GPS dialog, the flight track and takeoff detection read,
// which keep the NMEA shapes (ddmm.mmmm with a hemisphere letter, hhmmss, ddmmyy).

#include "core/gps/GpsFix.h"

#include <QDateTime>

#include <optional>

struct DecimalFix {
    bool valid = false;
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    std::optional<double> speedKnots;
    std::optional<double> trueTrack;     // degrees
    std::optional<double> magneticTrack; // degrees; the heading shown when known
    std::optional<double> altitudeMetres;
    std::optional<double> altitudeFeet; // when the source gives feet (GDL90)
    QDateTime utc;                      // invalid when the source gave no time
};

GpsValues GpsValuesFromDecimal(const DecimalFix& fix);

// Decimal degrees as NMEA's ddmm.mmmm (dddmm.mmmm) without sign.
double NmeaDegreesMinutes(double degrees);
