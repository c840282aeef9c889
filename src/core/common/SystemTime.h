#pragma once
// A calendar time as the platform's system-time record holds it (UTC unless said otherwise).
// A record whose year is 0 means "not recorded".

#include <QDateTime>
#include <QTimeZone>

struct SystemTime {
    int year = 0;
    int month = 0;
    int dayOfWeek = 0; // 0 = Sunday
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;

    bool IsRecorded() const { return year != 0; }
    bool operator==(const SystemTime&) const = default;

    static SystemTime FromDateTime(const QDateTime& dateTime);
    // The record read in the given time zone; invalid for a cleared record.
    QDateTime ToDateTime(const QTimeZone& zone = QTimeZone::utc()) const;
};

// UTC to local time. A custom offset (minutes, not 0) is added as it stands, across midnight and
// month ends; offset 0 means the device's own time zone.
SystemTime ToLocalTime(const SystemTime& utc, int offsetMinutes,
                       const QTimeZone& deviceZone = QTimeZone::systemTimeZone());
