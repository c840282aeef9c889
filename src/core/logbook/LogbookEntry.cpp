#include "core/logbook/LogbookEntry.h"

#include <QStringList>
#include <QTimeZone>

#include <array>

namespace {

Status Refuse(const char* text) {
    return Status::Fail(QString::fromUtf8(text), MessageIcon::Warning);
}

qint64 MinuteNumber(const QDateTime& utc) {
    const qint64 seconds = utc.toSecsSinceEpoch();
    return seconds >= 0 ? seconds / 60 : (seconds - 59) / 60; // floor, also before 1970
}

Status CheckTexts(const LogbookEntry& e) {
    const std::array<const QString*, 4> names = {&e.registration, &e.aircraftType, &e.departure,
                                                 &e.arrival};
    for (const QString* name : names) {
        if (name->size() > kMaxLogbookNameChars)
            return Refuse("The aircraft, type, departure and arrival take at most 64 characters.");
        if (name->contains(QLatin1Char('\n')) || name->contains(QLatin1Char('\r')))
            return Refuse("The aircraft, type, departure and arrival take one line each.");
    }
    if (e.remarks.size() > kMaxLogbookRemarkChars)
        return Refuse("The remarks take at most 2000 characters.");
    return {};
}

Status CheckTimes(const LogbookEntry& e) {
    const std::array<const QDateTime*, 4> times = {&e.startup, &e.takeoff, &e.landing, &e.shutdown};
    const QDateTime* previous = nullptr;
    for (const QDateTime* t : times) {
        if (!t->isValid())
            continue;
        if (t->timeSpec() != Qt::UTC)
            return Refuse("The times of a flight are UTC times.");
        if (previous != nullptr && *t < *previous)
            return Refuse("The times must follow in flight order: start-up, take-off, landing, "
                          "shut-down.");
        previous = t;
    }
    return {};
}

Status CheckNumbers(const LogbookEntry& e) {
    const std::array<int, 4> durations = {e.blockMinutes, e.flightMinutes, e.airMinutes,
                                          e.nightMinutes};
    for (int minutes : durations)
        if (minutes < 0 || minutes > kMaxLogbookMinutes)
            return Refuse("Each time of a flight is from 0 to 99 hours.");
    if (e.landings < 0 || e.landings > kMaxLogbookLandings || e.nightLandings < 0)
        return Refuse("The landings are from 0 to 999.");
    if (e.nightLandings > e.landings)
        return Refuse("The night landings cannot be more than the landings.");
    if (e.nightMinutes > e.blockMinutes)
        return Refuse("The night time cannot be longer than the block time.");
    return {};
}

} // namespace

QString LogbookFlightKey(const LogbookEntry& e) {
    const QStringList parts = {e.date.toString(Qt::ISODate),
                               e.registration,
                               e.aircraftType,
                               e.departure,
                               e.arrival,
                               e.startup.toString(Qt::ISODate),
                               e.takeoff.toString(Qt::ISODate),
                               e.landing.toString(Qt::ISODate),
                               e.shutdown.toString(Qt::ISODate),
                               QString::number(e.blockMinutes),
                               QString::number(e.flightMinutes),
                               QString::number(e.airMinutes),
                               QString::number(e.nightMinutes),
                               QString::number(e.landings),
                               QString::number(e.nightLandings),
                               e.remarks};
    return parts.join(QChar(0x1f)); // the unit separator, which no field holds in practice
}

int MinutesBetween(const QDateTime& from, const QDateTime& to) {
    return static_cast<int>(MinuteNumber(to) - MinuteNumber(from));
}

QDateTime ToLogbookMinute(const QDateTime& utc) {
    if (!utc.isValid())
        return {};
    return QDateTime::fromSecsSinceEpoch(MinuteNumber(utc) * 60, QTimeZone::utc()).toUTC();
}

Status CheckLogbookEntry(const LogbookEntry& entry) {
    if (!entry.date.isValid())
        return Refuse("A flight needs its date.");
    if (Status s = CheckTexts(entry); !s)
        return s;
    if (Status s = CheckTimes(entry); !s)
        return s;
    return CheckNumbers(entry);
}
