#pragma once
// One flight of the logbook: the date, the aircraft, where from and to, the four recorded times,
// the durations in whole minutes, the landings with those at night, and the pilot's remarks.
// Times are UTC to the minute; a time that is not known is an invalid QDateTime.

#include "core/common/Outcome.h"

#include <QDate>
#include <QDateTime>
#include <QString>

struct LogbookEntry {
    qint64 id = 0; // the store's number; 0 before it is stored
    QDate date;    // UTC date of the start-up
    QString registration;
    QString aircraftType;
    QString departure; // an airport identifier, or what the pilot typed
    QString arrival;
    QDateTime startup;
    QDateTime takeoff;
    QDateTime landing;
    QDateTime shutdown;
    int blockMinutes = 0;  // start-up to shut-down
    int flightMinutes = 0; // first take-off to last landing
    int airMinutes = 0;    // airborne, over every take-off and landing
    int nightMinutes = 0;  // of the block time, between evening and morning civil twilight
    int landings = 0;
    int nightLandings = 0;
    QString remarks;

    bool operator==(const LogbookEntry&) const = default;
};

// Limits of the stored texts and numbers.
inline constexpr int kMaxLogbookNameChars = 64;     // registration, type, departure, arrival
inline constexpr int kMaxLogbookRemarkChars = 2000; // remarks
inline constexpr int kMaxLogbookMinutes = 99 * 60;  // any duration
inline constexpr int kMaxLogbookLandings = 999;

// A text equal for two entries exactly when they are equal in everything but the store's
// number (to find a flight the logbook already holds).
QString LogbookFlightKey(const LogbookEntry& entry);

// The whole minutes from one UTC time to another, seconds ignored as the Times view ignores
// them (10:05:59 to 10:06:00 is one minute).
int MinutesBetween(const QDateTime& from, const QDateTime& to);

// The time cut to its minute, in UTC (invalid stays invalid).
QDateTime ToLogbookMinute(const QDateTime& utc);

// Checks an entry before it is stored: a valid date, texts within their limits and on one line
// (the remarks may span lines), times in flight order (start-up, take-off, landing, shut-down,
// each when known), durations and landings within their limits, night time within the block
// time and night landings within the landings. Fails with a message naming the field.
Status CheckLogbookEntry(const LogbookEntry& entry);
