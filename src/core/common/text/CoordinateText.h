#pragma once
// Read-only display texts of positions and lengths (airport and nav aid details).
// Positions are signed seconds of arc: latitude positive north, longitude positive west.

#include <QString>

// "45:30:45 S" in the seconds format, "45:30.75 S" otherwise.
QString LatitudeText(int secondsOfArc, bool secondsFormat);
// "122:18:30 W"; longitude 0 counts as west.
QString LongitudeText(int secondsOfArc, bool secondsFormat);

// A length given in feet: "305M" (metres, rounded by printf) when metric, else "1000'".
QString LengthText(int feet, bool metric);
// Runway size "%.0f X %.0f" in metres when metric, else in feet.
QString RunwaySizeText(int lengthFeet, int widthFeet, bool metric);
