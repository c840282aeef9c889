#pragma once
// Where the Sun Times dialog calculates: a position in degrees (positive north and west, as the
// sun times take it) with the hemisphere toggles the dialog shows for it ("S"/"N", "E"/"W").
// A place of the navigation data or a user waypoint gives its exact position and sets the
// toggles from its signs; a typed position is the fields' absolute degrees signed by the toggles.

#include <QString>

#include <cstdint>

struct SunTimesPlace {
    double latitude = 0.0;  // degrees, positive north
    double longitude = 0.0; // degrees, positive west
    bool south = false;     // the latitude toggle shows "S"
    bool east = false;      // the longitude toggle shows "E"
};

// A place stored in seconds of arc (positive north and west): south below 0, east below 0.
SunTimesPlace SunTimesPlaceFromSeconds(int32_t latitude, int32_t longitude);
// The typed absolute degrees, negated for the south and east toggles.
SunTimesPlace SunTimesPlaceFromTyped(double latitude, double longitude, bool south, bool east);

// The toggles' texts: "S" or "N", "E" or "W".
QString NorthSouthText(bool south);
QString WestEastText(bool east);
