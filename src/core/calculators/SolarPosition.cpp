#include "core/calculators/SolarPosition.h"

#include "core/common/Constants.h"

#include <cmath>
#include <optional>

namespace {

constexpr double kToRadians = units::kDegreesToRadians;
constexpr double kToDegrees = units::kRadiansToDegreesWind; // 57.29577951308239
constexpr double kCenturiesPerDay = 2.7378507871321012e-05;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerMinute = 0.0006944444444444445;

double Centuries(double julianDay) {
    return (julianDay - kJ2000) * kCenturiesPerDay;
}

double Sin(double degrees) {
    return std::sin(degrees * kToRadians);
}

// The cosine of the hour angle at the event, or nothing with the side the sun stays on.
struct HourAngle {
    std::optional<double> degrees; // positive; the caller negates it for sunset
    SunAllDay allDay = SunAllDay::None;
};

HourAngle EventHourAngle(double latitude, double declination, double zenith) {
    const double phi = latitude * kToRadians;
    const double delta = declination * kToRadians;
    const double cosine = std::cos(zenith * kToRadians) / (std::cos(phi) * std::cos(delta)) -
                          std::tan(phi) * std::tan(delta);
    // Above 1 the sun never comes up to the horizon; below -1 it never goes down to it.
    if (!(cosine <= 1.0))
        return {std::nullopt, SunAllDay::Down};
    if (!(cosine >= -1.0))
        return {std::nullopt, SunAllDay::Up};
    return {std::acos(cosine) * kToDegrees, SunAllDay::None};
}

// One pass: the event time from the sun at T.
SunEventTime EventAt(double centuries, double latitude, double longitude, bool sunrise,
                     double zenith) {
    const SolarQuantities sun = ComputeSolarQuantities(centuries);
    const HourAngle h = EventHourAngle(latitude, sun.declination, zenith);
    if (!h.degrees)
        return {0.0, h.allDay};
    const double hourAngle = sunrise ? *h.degrees : -*h.degrees;
    return {720.0 + 4.0 * (longitude - hourAngle) - sun.equationOfTime, SunAllDay::None};
}

} // namespace

double SunJulianDay(int year, int month, int day) {
    if (month < 3) {
        year -= 1;
        month += 12;
    }
    const int a = year / 100;
    const double b = 2 - a + std::floor(a * 0.25);
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day + b -
           1524.5;
}

SolarQuantities ComputeSolarQuantities(double t) {
    SolarQuantities s;
    double l0 = 280.46646 + t * (36000.76983 + 0.0003032 * t);
    while (l0 > 360.0)
        l0 -= 360.0;
    while (l0 < 0.0)
        l0 += 360.0;
    s.meanLongitude = l0;
    s.meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    s.eccentricity = 0.016708634 - t * (4.2037e-05 + 1.267e-07 * t);
    const double m = s.meanAnomaly * kToRadians;
    s.centre = std::sin(m) * (1.914602 - t * (0.004817 + 1.4e-05 * t)) +
               std::sin(2.0 * m) * (0.019993 - 0.000101 * t) + std::sin(3.0 * m) * 0.000289;
    const double trueLongitude = l0 + s.centre;
    const double omega = 125.04 - 1934.136 * t;
    s.apparentLongitude = trueLongitude - 0.00569 - 0.00478 * Sin(omega);
    const double meanObliquity =
        23.0 +
        (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) * 0.016666666666666666) *
            0.016666666666666666;
    s.obliquity = meanObliquity + 0.00256 * std::cos(omega * kToRadians);
    s.declination = std::asin(Sin(s.obliquity) * Sin(s.apparentLongitude)) * kToDegrees;

    const double y = std::pow(std::tan(s.obliquity * kToRadians / 2.0), 2);
    const double e = s.eccentricity;
    const double l0r = l0 * kToRadians;
    const double eq = y * std::sin(2.0 * l0r) - 2.0 * e * std::sin(m) +
                      4.0 * e * y * std::sin(m) * std::cos(2.0 * l0r) -
                      0.5 * y * y * std::sin(4.0 * l0r) - 1.25 * e * e * std::sin(2.0 * m);
    s.equationOfTime = 4.0 * (eq * kToDegrees);
    return s;
}

SunEventTime SunEventMinutes(double julianDay, double latitude, double longitude, bool sunrise,
                             double zenith) {
    const double t = Centuries(julianDay);
    const SunEventTime first = EventAt(t, latitude, longitude, sunrise, zenith);
    if (first.allDay != SunAllDay::None)
        return first;
    const double t2 = Centuries(t * kDaysPerCentury + kJ2000 + first.minutes * kDaysPerMinute);
    return EventAt(t2, latitude, longitude, sunrise, zenith);
}
