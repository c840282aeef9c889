#pragma once
// Test helpers: UTC times by the minute and a logbook entry of a plain flight.

#include "core/logbook/LogbookEntry.h"
#include "core/navdata/NavTestData.h"

#include <QTimeZone>

#include <gtest/gtest.h>

inline QDateTime Utc(int year, int month, int day, int hour, int minute) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute), QTimeZone::utc()).toUTC();
}

// A flight of the day: start-up at hh:mm, take-off 5 minutes later, landing after `air`
// minutes, shut-down 5 minutes after that.
inline LogbookEntry PlainFlight(const QDate& date, int hour, int minute, int air = 60,
                                int landings = 1, int nightLandings = 0) {
    LogbookEntry e;
    e.date = date;
    e.registration = QStringLiteral("N123A");
    e.aircraftType = QStringLiteral("C172");
    e.departure = QStringLiteral("KSEA");
    e.arrival = QStringLiteral("KBFI");
    e.startup = QDateTime(date, QTime(hour, minute), QTimeZone::utc()).toUTC();
    e.takeoff = e.startup.addSecs(5 * 60);
    e.landing = e.takeoff.addSecs(air * 60);
    e.shutdown = e.landing.addSecs(5 * 60);
    e.blockMinutes = air + 10;
    e.flightMinutes = e.airMinutes = air;
    e.landings = landings;
    e.nightLandings = nightLandings;
    return e;
}
