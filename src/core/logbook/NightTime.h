#pragma once
// Night as logbooks count it: from the end of evening civil twilight to the start of morning
// civil twilight (the sun's centre 6 degrees below the horizon), by the program's sunrise and
// sunset calculation at the place and UTC date. Where the sun does not go that far below the
// horizon on a date there is no night; where it stays below, the whole date is night.

#include "core/logbook/FlightPath.h"

#include <QDateTime>

// Whether it is night at a place (latitude positive north, longitude positive west) and time.
bool IsNight(const QDateTime& utc, const FlightPosition& where);

// The minutes of night from one UTC time to another along the path, judged minute by minute at
// the middle of each minute where the path then is. 0 when the path knows no place.
int NightMinutes(const QDateTime& from, const QDateTime& to, const FlightPath& path);
