#pragma once
// The "Sun Rise - Sun Set" calculator: for one place and date, the official beginning of day
// (30 minutes before sunrise), sunrise, sunset and the official beginning of night (30 minutes
// after sunset), each in UTC and, when an offset is given, in local time.

#include "core/calculators/CalcResult.h"
#include "core/calculators/SolarPosition.h"

#include <QDate>
#include <QString>
#include <QStringList>

struct SunTimesInput {
    double latitude = 0.0;  // degrees, positive north
    double longitude = 0.0; // degrees, positive west
    QDate date;
    double utcOffset = 0.0; // hours, local = UTC + offset
};

// The output labels, row by row: UTC then local ("Sun rise UTC", "Sun rise Local").
const QStringList& SunTimesRowLabels(); // "Official \"day\"", "Sun rise", "Sun set", ...
QString SunTimesUtcLabel(const QString& row);
QString SunTimesLocalLabel(const QString& row);

// The texts shown instead of times when the sun does not cross the horizon that day.
inline constexpr const char* kSunUpAllDayText = "Up all day";
inline constexpr const char* kSunDownAllDayText = "Down all day";

// The time text of `minutes` after 0:00: "HH:MM" rounded to the minute (30 seconds or more round
// up), "Z" after it for UTC, then "+" for a later day or "-" for an earlier one.
QString SunTimeText(double minutes, bool utc);

// The eight outputs in the dialog's order (each row's UTC text, then its local text). The local
// texts are empty when the offset is 0. A row whose event does not happen that day shows
// kSunUpAllDayText or kSunDownAllDayText instead of its times. An invalid date stops.
CalcResult CalculateSunTimes(const SunTimesInput& in);

// The calculator from the command line's texts: latitude and longitude as the entry fields show
// them with their hemisphere letters ("47:26.94N", "122:18:30W"), the date as YYYY-MM-DD (today
// when empty) and the UTC offset in hours ("" = 0). A missing or unreadable input stops with a
// message naming it.
CalcResult CalculateSunTimesFromText(const QString& latitude, const QString& longitude,
                                     const QString& date, const QString& utcOffset,
                                     const QDate& today);

// The UTC offset field: a decimal number of hours; empty text is 0.
double SunUtcOffset(const QString& text);
// The offset after one step of the spin button ("%g": whole offsets show as "%i" does).
QString StepSunUtcOffset(const QString& text, int delta);
