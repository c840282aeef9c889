#pragma once
// The "Heading && Time" calculator: the wind triangle for a track and distance, with the magnetic
// heading, the time en route and the arrival time from a departure time.

#include "core/calculators/CalcResult.h"

#include <QString>

struct HeadingTimeInput {
    QString track, distance, tas, magVar;
    bool east = false; // the variation is East (subtracted from true)
    QString windDirection, windSpeed;
    QString departure; // "hh:mm" as the departure field shows it
};

// Message for a departure text that is no clock time.
inline constexpr const char* kInvalidDepartureText = "Invalid departure time, must be hh:mm.";
// Message for a distance below 0.
inline constexpr const char* kInvalidDistanceText = "Invalid distance.";

// Outputs "Ground Speed" ("%u"), "True Heading", "Mag Heading" ("%u°"), "Estimated Time" and
// "Arrival" ("%02u:%02u:%02u"). The inputs are checked in the dialog's order and the first
// failure stops with its message, leaving the outputs as they were. A wind the TAS cannot fly
// against stops with the wind triangle's message and empty outputs.
CalcResult CalculateHeadingTime(const HeadingTimeInput& in);

// Hours as "%02u:%02u:%02u" (whole hours, minutes and seconds, each rounded down); a clock time
// drops whole days (hours modulo 24). Hours below 0 count as 0.
QString HoursMinutesSeconds(double hours, bool clockTime = false);

// Splits a stored or typed "h:mm" into hours and minutes (each read as a whole number, before and
// after the first ':'). False when there is no ':'.
bool SplitClockText(const QString& text, int* hours, int* minutes);
