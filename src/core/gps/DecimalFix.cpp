#include "core/gps/DecimalFix.h"

#include "core/gps/NmeaSentence.h"

#include <cmath>
#include <limits>

namespace {

int32_t Saturated(double x) {
    if (!(x > std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (!(x < std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(x);
}

} // namespace

double NmeaDegreesMinutes(double degrees) {
    const double a = std::fabs(degrees);
    const double whole = std::floor(a);
    return whole * 100.0 + (a - whole) * 60.0;
}

GpsValues GpsValuesFromDecimal(const DecimalFix& fix) {
    GpsValues v;
    v.fixValid = fix.valid;
    v.latitude = NmeaDegreesMinutes(fix.latitude);
    v.longitude = NmeaDegreesMinutes(fix.longitude);
    v.latitudeHemisphere = fix.latitude < 0 ? 'S' : 'N';
    v.longitudeHemisphere = fix.longitude < 0 ? 'W' : 'E';
    v.speedKnots = fix.speedKnots.value_or(0.0);
    v.speed = Saturated(v.speedKnots);
    v.course = fix.trueTrack.value_or(0.0);
    const double track = fix.magneticTrack.value_or(v.course);
    v.heading = MagneticHeading(track, 0.0, '\0');
    if (fix.altitudeFeet) {
        v.hasAltitude = true;
        v.altitudeMetres = *fix.altitudeFeet * 0.3048;
        v.altitude = Saturated(*fix.altitudeFeet);
    } else if (fix.altitudeMetres) {
        v.hasAltitude = true;
        v.altitudeMetres = *fix.altitudeMetres;
        v.altitude = Saturated(*fix.altitudeMetres * 3.3); // as a GGA altitude is shown
    }
    if (fix.utc.isValid()) {
        const QDateTime utc = fix.utc.toUTC();
        const QTime t = utc.time();
        const QDate d = utc.date();
        v.time = static_cast<uint32_t>(t.hour() * 10000 + t.minute() * 100 + t.second());
        v.timeSeconds = v.time + t.msec() / 1000.0;
        v.date = static_cast<uint32_t>(d.day() * 10000 + d.month() * 100 + d.year() % 100);
    }
    return v;
}
