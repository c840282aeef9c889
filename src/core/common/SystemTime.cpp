#include "core/common/SystemTime.h"

SystemTime SystemTime::FromDateTime(const QDateTime& dateTime) {
    SystemTime t;
    if (!dateTime.isValid())
        return t;
    const QDate d = dateTime.date();
    const QTime time = dateTime.time();
    t.year = d.year();
    t.month = d.month();
    t.dayOfWeek = d.dayOfWeek() % 7;
    t.day = d.day();
    t.hour = time.hour();
    t.minute = time.minute();
    t.second = time.second();
    t.milliseconds = time.msec();
    return t;
}

QDateTime SystemTime::ToDateTime(const QTimeZone& zone) const {
    if (!IsRecorded())
        return {};
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, milliseconds), zone);
}

SystemTime ToLocalTime(const SystemTime& utc, int offsetMinutes, const QTimeZone& deviceZone) {
    const QDateTime moment = utc.ToDateTime(QTimeZone::utc());
    if (!moment.isValid())
        return utc;
    if (offsetMinutes != 0) {
        // Shift the wall-clock reading and keep it as a plain UTC-labelled record.
        return SystemTime::FromDateTime(moment.addSecs(static_cast<qint64>(offsetMinutes) * 60));
    }
    const QDateTime local = moment.toTimeZone(deviceZone);
    const QDateTime wall(local.date(), local.time(), QTimeZone::utc());
    return SystemTime::FromDateTime(wall);
}
