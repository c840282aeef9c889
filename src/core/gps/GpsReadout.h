#pragma once
// The GPS dialog's read-out texts, exactly as the dialog shows them, and the clock setting
// taken from the GPS time.

#include "core/gps/GpsFix.h"

#include <QDateTime>
#include <QString>

// "Time: hh:mm:ssZ" of an hhmmss time ("Time: 14:05:09Z"); "Time: 0Z" for 0.
QString GpsTimeText(uint32_t time);

struct GpsReadout {
    QString time;                // "Time: 14:05:09Z"
    QString heading;             // "Heading: 275"
    QString altitude;            // "Altitude: 330"
    QString speed;               // "Speed: 12"
    QString latitude;            // "Latitude: 4916.450000"
    QString longitude;           // "Longitude: 12311.120000"
    bool setTimeEnabled = false; // "Set system time" needs a known GPS time
};

GpsReadout MakeGpsReadout(const GpsValues& values);

// The current UTC date with the GPS time's hours, minutes and seconds; invalid when no GPS time
// is known or the time is no time of day.
QDateTime SystemTimeFromGps(const QDateTime& nowUtc, uint32_t gpsTime);
