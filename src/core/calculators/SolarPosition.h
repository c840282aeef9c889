#pragma once
// The sun's position and the times of sunrise and sunset for one place and date, after the solar
// position equations of Meeus as the NOAA solar calculator publishes them, with this program's
// own constants. The order of the operations is part of the result: the event times are
// reproduced to the second only when they are computed exactly as here.
//
// Angles are in degrees, times in minutes after 0:00 UTC. Latitudes are positive north,
// longitudes positive west.

// The Julian day at 0:00 UTC of a calendar date (Gregorian).
double SunJulianDay(int year, int month, int day);

// The solar quantities at T Julian centuries from J2000.0.
struct SolarQuantities {
    double meanLongitude = 0.0;     // L0, brought into 0..360
    double meanAnomaly = 0.0;       // M
    double eccentricity = 0.0;      // e, of the earth's orbit
    double centre = 0.0;            // C, the equation of centre
    double apparentLongitude = 0.0; // lambda
    double obliquity = 0.0;         // epsilon, corrected
    double declination = 0.0;       // delta
    double equationOfTime = 0.0;    // E, in minutes
};
SolarQuantities ComputeSolarQuantities(double centuries);

// Where the sun stays on a day without the event: above the horizon (polar day) or below it
// (polar night).
enum class SunAllDay { None, Up, Down };

struct SunEventTime {
    double minutes = 0.0; // after 0:00 UTC of the date; valid when allDay is None
    SunAllDay allDay = SunAllDay::None;
};

// How far from the zenith the sun's centre is at the events: sunrise and sunset (the horizon with
// refraction and the sun's radius), and the start of morning and end of evening civil twilight
// (6 degrees below the horizon), between which logbooks count night.
inline constexpr double kSunriseZenith = 90.833;
inline constexpr double kCivilTwilightZenith = 96.0;

// Sunrise (or sunset) by two passes: the event time from the sun at 0:00 UTC of the date, then
// again from the sun at that first time. When the sun does not cross the horizon (the arc cosine
// of the hour angle is undefined in either pass) the result says whether it stays up or down.
// With kCivilTwilightZenith the events are the start of morning and the end of evening civil
// twilight instead; "up all day" then means the sun never goes 6 degrees below the horizon.
SunEventTime SunEventMinutes(double julianDay, double latitude, double longitude, bool sunrise,
                             double zenith = kSunriseZenith);
