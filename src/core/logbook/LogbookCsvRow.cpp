#include "core/logbook/LogbookCsvRow.h"

#include "core/logbook/LogbookTexts.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>

namespace {

enum Column {
    kDate,
    kAircraft,
    kType,
    kFrom,
    kTo,
    kStartup,
    kTakeoff,
    kLanding,
    kShutdown,
    kBlock,
    kFlight,
    kAir,
    kNight,
    kLandings,
    kNightLandings,
    kRemarks,
    kColumnCount
};

// How the row's messages name each column.
constexpr const char* kColumnNames[] = {
    "date",         "aircraft",     "type",           "departure",  "arrival",     "startup time",
    "takeoff time", "landing time", "shutdown time",  "block time", "flight time", "air time",
    "night time",   "landings",     "night landings", "remarks"};
static_assert(std::size(kColumnNames) == kColumnCount);

Outcome<LogbookEntry> Wrong(Column column, const QString& value, const char* shape) {
    return Outcome<LogbookEntry>::Fail(QStringLiteral("the %1 \"%2\" is not %3.")
                                           .arg(QString::fromLatin1(kColumnNames[column]),
                                                value.left(40), QString::fromLatin1(shape)),
                                       MessageIcon::Warning);
}

bool ParseDate(const QString& text, QDate* date) {
    static const QRegularExpression kShape(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    *date = QDate::fromString(text, Qt::ISODate);
    return kShape.match(text).hasMatch() && date->isValid();
}

// hh:mm on the row's date, or on the next day when earlier than the time before it.
bool ParseTime(const QString& text, const QDate& date, QDateTime* previous, QDateTime* time) {
    if (text.isEmpty())
        return true;
    static const QRegularExpression kShape(QStringLiteral("^[0-9]{2}:[0-9]{2}$"));
    const QTime t = QTime::fromString(text, QStringLiteral("hh:mm"));
    if (!kShape.match(text).hasMatch() || !t.isValid())
        return false;
    *time = QDateTime(date, t, QTimeZone::utc()).toUTC();
    if (previous->isValid() && *time < *previous)
        *time = time->addDays(1).toUTC();
    *previous = *time;
    return true;
}

// An empty duration field: the duration the times give (0 without them).
constexpr int kFromTimes = -1;

// The minutes the times give when they agree with the column to the tenth, else the column's.
int Duration(int column, const QDateTime& from, const QDateTime& to) {
    if (!from.isValid() || !to.isValid())
        return column == kFromTimes ? 0 : column;
    if (column == kFromTimes)
        return MinutesBetween(from, to);
    const int fromTimes = MinutesBetween(from, to);
    return LogbookHoursText(fromTimes) == LogbookHoursText(column) ? fromTimes : column;
}

bool ParseCount(const QString& text, int* count) {
    static const QRegularExpression kShape(QStringLiteral("^[0-9]{1,3}$"));
    *count = text.toInt();
    return kShape.match(text).hasMatch();
}

} // namespace

const QStringList& LogbookCsvColumns() {
    static const QStringList columns = {
        "Date",     "Aircraft", "Type",   "From", "To",    "Startup",  "Takeoff",        "Landing",
        "Shutdown", "Block",    "Flight", "Air",  "Night", "Landings", "Night landings", "Remarks"};
    return columns;
}

QStringList LogbookCsvFields(const LogbookEntry& e) {
    return {e.date.toString(Qt::ISODate),
            e.registration,
            e.aircraftType,
            e.departure,
            e.arrival,
            LogbookTimeText(e.startup),
            LogbookTimeText(e.takeoff),
            LogbookTimeText(e.landing),
            LogbookTimeText(e.shutdown),
            LogbookHoursText(e.blockMinutes),
            LogbookHoursText(e.flightMinutes),
            LogbookHoursText(e.airMinutes),
            LogbookHoursText(e.nightMinutes),
            QString::number(e.landings),
            QString::number(e.nightLandings),
            e.remarks};
}

Outcome<LogbookEntry> ParseLogbookCsvFields(const QStringList& f) {
    if (f.size() != kColumnCount)
        return Outcome<LogbookEntry>::Fail(
            QStringLiteral("%1 fields where a logbook row has 16.").arg(f.size()),
            MessageIcon::Warning);
    LogbookEntry e;
    if (!ParseDate(f[kDate], &e.date))
        return Wrong(kDate, f[kDate], "a date such as 2026-03-20");
    QDateTime previous;
    QDateTime* const times[] = {&e.startup, &e.takeoff, &e.landing, &e.shutdown};
    for (int i = 0; i < 4; ++i)
        if (!ParseTime(f[kStartup + i], e.date, &previous, times[i]))
            return Wrong(static_cast<Column>(kStartup + i), f[kStartup + i],
                         "a time such as 09:05 (or empty)");
    int durations[4] = {};
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> minutes = f[kBlock + i].isEmpty()
                                               ? std::optional<int>(kFromTimes)
                                               : ParseLogbookHours(f[kBlock + i]);
        if (!minutes)
            return Wrong(static_cast<Column>(kBlock + i), f[kBlock + i],
                         "hours with one decimal, such as 1.5");
        durations[i] = *minutes;
    }
    e.blockMinutes = Duration(durations[0], e.startup, e.shutdown);
    e.flightMinutes = Duration(durations[1], e.takeoff, e.landing);
    e.airMinutes = Duration(durations[2], e.takeoff, e.landing);
    // Night time that the tenths make a little longer than the block time is all of it.
    e.nightMinutes = std::max(durations[3], 0);
    if (e.nightMinutes > e.blockMinutes &&
        LogbookHoursText(e.nightMinutes) == LogbookHoursText(e.blockMinutes))
        e.nightMinutes = e.blockMinutes;
    if (!ParseCount(f[kLandings], &e.landings))
        return Wrong(kLandings, f[kLandings], "a whole number from 0 to 999");
    if (!ParseCount(f[kNightLandings], &e.nightLandings))
        return Wrong(kNightLandings, f[kNightLandings], "a whole number from 0 to 999");
    e.registration = f[kAircraft];
    e.aircraftType = f[kType];
    e.departure = f[kFrom];
    e.arrival = f[kTo];
    e.remarks = f[kRemarks];
    if (Status checked = CheckLogbookEntry(e); !checked)
        return checked.error();
    return e;
}
