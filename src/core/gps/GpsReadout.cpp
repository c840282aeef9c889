#include "core/gps/GpsReadout.h"
#include "core/common/text/Format.h"

#include <QTimeZone>

QString GpsTimeText(uint32_t time) {
    if (time == 0)
        return QStringLiteral("Time: 0Z");
    return FormatText("Time: %02u:%02u:%02uZ", time / 10000, time / 100 % 100, time % 100);
}

GpsReadout MakeGpsReadout(const GpsValues& values) {
    GpsReadout r;
    r.time = GpsTimeText(values.time);
    // Signed formats: a height below sea level shows as a negative number of feet.
    r.heading = FormatText("Heading: %d", values.heading);
    r.altitude = FormatText("Altitude: %d", values.altitude);
    r.speed = FormatText("Speed: %d", values.speed);
    r.latitude = FormatText("Latitude: %f", values.latitude);
    r.longitude = FormatText("Longitude: %f", values.longitude);
    r.setTimeEnabled = values.time != 0;
    return r;
}

QDateTime SystemTimeFromGps(const QDateTime& nowUtc, uint32_t gpsTime) {
    if (gpsTime == 0 || !nowUtc.isValid())
        return {};
    const QTime time(static_cast<int>(gpsTime / 10000), static_cast<int>(gpsTime / 100 % 100),
                     static_cast<int>(gpsTime % 100));
    if (!time.isValid())
        return {};
    return QDateTime(nowUtc.toUTC().date(), time, QTimeZone::utc());
}
