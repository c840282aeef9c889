#pragma once
// The great-circle pair used by Distance & Track and flight planning. Arguments are latitudes and
// longitudes in degrees, longitude positive west; results are whole numbers (add 0.5, truncate).

// Distance in nautical miles.
unsigned GreatCircleDistance(double lat1, double lon1, double lat2, double lon2);

// Initial true track from point 1 to point 2 in degrees, 0 to 360 (due north gives 360). A start
// at a pole, and identical points, give 0.
unsigned GreatCircleTrack(double lat1, double lon1, double lat2, double lon2);

// The central angle between the points in radians, unrounded (for nearest-neighbour searches).
double GreatCircleAngle(double lat1, double lon1, double lat2, double lon2);
