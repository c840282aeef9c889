#pragma once
// The "Descent Rate" calculator: distance and time to descend from the current to the desired
// altitude at a ground speed and a rate of descent.

#include "core/calculators/CalcResult.h"

// Output labels.
inline constexpr const char* kDescentDistanceLabel = "Distance";
inline constexpr const char* kDescentTimeLabel = "Time (mm:ss)";

// The default text of the Rate field.
inline constexpr const char* kDefaultDescentRate = "500";

// From the texts of Current Alt, Desired Alt, Ground Speed and Rate (ft/min): Distance ("16nm")
// and Time (mm:ss) ("08:00"). Stops at the first missing or refused input with its message. A
// rate typed as a negative vertical speed ("-500") counts as that rate of descent.
CalcResult DescentRate(const QString& currentAltitude, const QString& desiredAltitude,
                       const QString& groundSpeed, const QString& rate);
