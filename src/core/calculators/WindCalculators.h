#pragma once
// The "Ground Speed", "Wind" and "Cross Wind" calculators: from the dialogs' input texts to their
// output texts (or the message that stops them), with the values their graphs draw.

#include "core/calculators/CalcResult.h"

#include <QString>

// What the compass graph of "Ground Speed" and "Wind" draws.
struct WindGraphValues {
    bool hasAircraft = false; // false: the compass only (no calculation yet)
    bool hasResult = false;   // draw the wind and course lines
    double heading = 0.0;     // the aircraft points along it (north up)
    double windDirection = 0.0;
    double course = 0.0;
};

// "Ground Speed": outputs "Heading" ("%.0f°") and "Ground Speed" ("%.0f"). A refused direction
// stops with its message and the outputs show the zero results.
struct GroundSpeedInput {
    QString windDirection, windSpeed, course, tas;
};
struct GroundSpeedResult {
    CalcResult texts;
    WindGraphValues graph;
};
GroundSpeedResult CalculateGroundSpeed(const GroundSpeedInput& in);

// "Wind" (finding the wind): outputs "Wind Direction" ("%.0f°") and "Wind Speed" ("%.0f"), -1
// when an input is 0. A refused direction stops with its message and no outputs.
struct FindWindInput {
    QString heading, groundSpeed, course, tas;
};
struct FindWindResult {
    CalcResult texts;
    WindGraphValues graph;
};
FindWindResult CalculateFindWind(const FindWindInput& in);

// "Cross Wind": outputs "Cross Wind" ("%.0f"), "Head wind" or "Tail wind" (the label of the
// second output changes, its value is the magnitude) and "Angle" ("%u° right" / "%u° left").
struct CrossWindInput {
    QString heading, windDirection, windSpeed;
};
struct CrossWindGraphValues {
    int angle = -1;         // as shown, 0..90 from the nose or the tail; -1 = nothing calculated
    bool fromRight = false; // the wind comes from the right
    double crossWind = 0.0;
    double headWind = 0.0; // negative for a tail wind
};
struct CrossWindResult {
    CalcResult texts;
    CrossWindGraphValues graph;
};
CrossWindResult CalculateCrossWind(const CrossWindInput& in);
// The components for a heading, a whole wind speed and a wind direction (degrees 1..360).
CrossWindGraphValues CrossWindComponents(double heading, int windSpeed, double windDirection);
