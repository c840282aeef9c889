#pragma once
// The built-in table of 75 time zones (key, display name, offsets, daylight-saving rule) and the
// offset of a zone at a UTC time. Each key is bound to the IANA zone its name describes; the
// offset comes from the system's time-zone database when that zone is there, and from the
// table's own rule only when it is not.

#include <QDateTime>
#include <QTimeZone>

#include <array>

// A daylight-saving transition: month (0 = none), week (1-4, 5 = last), day of week
// (0 = Sunday), hour (compared in UTC).
struct ZoneTransition {
    int month = 0;
    int week = 0;
    int dayOfWeek = 0;
    int hour = 0;
};

struct ZoneRule {
    int key = 0;
    const char* name = ""; // "(GMT-09:00) Alaska"
    int bias = 0;          // minutes added to UTC for standard time
    int daylightBias = 60; // minutes added during daylight-saving time
    ZoneTransition daylightStart;
    int standardBias = 0; // minutes added outside daylight-saving time
    ZoneTransition daylightEnd;
    // IANA zone ids for this entry, the first one the system knows is used.
    std::array<const char*, 2> ianaIds{};
};

inline constexpr int kZoneCount = 75;
// The table in its fixed order (also the order of look-up by key).
const std::array<ZoneRule, kZoneCount>& ZoneTable();

// The entry with this key; nullptr when the key is not in the table.
const ZoneRule* FindZone(int key);

// Whether the table's rule puts the entry in daylight-saving time at the UTC time (the rule's
// hours taken as UTC hours, minutes ignored).
bool IsDaylightTime(const ZoneRule& rule, const QDateTime& utc);

// Minutes to add to UTC by the table's rule alone; 0 for an unknown key.
int TableZoneOffset(int key, const QDateTime& utc);

// The system's zone for the key; invalid when the key is unknown or the system lacks the zone.
QTimeZone SystemZoneFor(int key);

// Minutes to add to UTC for the entry's standard time at the UTC time: from the system's database
// when it has the zone (which may differ from the table's old bias), else the table's bias.
int ZoneStandardOffset(const ZoneRule& rule, const QDateTime& utc);
// The name the editor lists: the table's places after the standard offset in force at the UTC
// time, "(GMT+05:30) Sri Jayawardenepura", "(GMT) Casablanca, Monrovia" for an offset of 0.
QString ZoneDisplayName(const ZoneRule& rule, const QDateTime& utc);

// Minutes to add to UTC for the zone of the key at the UTC time: from the system's time-zone
// database when it has the zone, else by the table's rule; 0 for an unknown key.
int ZoneOffset(int key, const QDateTime& utc);

// Day number of a date: days since 1 January 2006 (a Sunday), so its weekday is the number
// modulo 7 (0 = Sunday).
int ZoneDayNumber(int year, int month, int day);
