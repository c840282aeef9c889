#include "core/logbook/NightTime.h"

#include "core/calculators/SolarPosition.h"
#include "core/logbook/LogbookEntry.h"

#include <algorithm>

namespace {

constexpr double kMinutesPerDay = 1440.0;

// Whether `minute` (after 0:00 UTC of day 0) lies between morning and evening civil twilight
// of the UTC date `day` days away.
bool InTwilightDay(const QDate& date, int day, double minute, const FlightPosition& where) {
    const QDate d = date.addDays(day);
    const double jd = SunJulianDay(d.year(), d.month(), d.day());
    const SunEventTime dawn =
        SunEventMinutes(jd, where.latitude, where.longitude, true, kCivilTwilightZenith);
    const SunEventTime dusk =
        SunEventMinutes(jd, where.latitude, where.longitude, false, kCivilTwilightZenith);
    const double shift = day * kMinutesPerDay;
    if (dawn.allDay != SunAllDay::None || dusk.allDay != SunAllDay::None) {
        const bool up = dawn.allDay == SunAllDay::Up || dusk.allDay == SunAllDay::Up;
        return up && minute >= shift && minute < shift + kMinutesPerDay;
    }
    return minute >= dawn.minutes + shift && minute < dusk.minutes + shift;
}

} // namespace

bool IsNight(const QDateTime& utc, const FlightPosition& where) {
    const QDateTime t = utc.toUTC();
    const double minute = t.time().msecsSinceStartOfDay() / 60000.0;
    // The twilight day of a date can reach into the dates before and after it far from
    // Greenwich, so the neighbours are asked too.
    for (int day = -1; day <= 1; ++day)
        if (InTwilightDay(t.date(), day, minute, where))
            return false;
    return true;
}

int NightMinutes(const QDateTime& from, const QDateTime& to, const FlightPath& path) {
    if (path.Empty() || !from.isValid() || !to.isValid())
        return 0;
    int night = 0;
    const QDateTime start = ToLogbookMinute(from);
    // Past the longest flight the logbook takes, the entry is refused anyway.
    const int minutes = std::min(MinutesBetween(from, to), kMaxLogbookMinutes + 1);
    for (int m = 0; m < minutes; ++m) {
        const QDateTime middle = start.addSecs(m * 60 + 30);
        if (IsNight(middle, *path.At(middle)))
            ++night;
    }
    return night;
}
