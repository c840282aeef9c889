#include "core/logbook/LogbookRow.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

const QStringList& Names() {
    static const QStringList names = {
        "date",          "registration",  "aircraft_type",  "departure",
        "arrival",       "startup",       "takeoff",        "landing",
        "shutdown",      "block_minutes", "flight_minutes", "air_minutes",
        "night_minutes", "landings",      "night_landings", "remarks"};
    return names;
}

// A text column's value: never NULL, which the columns refuse.
QString Text(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

QString TimeValue(const QDateTime& utc) {
    return Text(utc.isValid() ? utc.toUTC().toString(Qt::ISODate) : QString());
}

// An empty text is no time; anything else must be a UTC time.
bool ReadTime(const QVariant& value, QDateTime* time) {
    const QString text = value.toString();
    if (text.isEmpty())
        return true;
    *time = QDateTime::fromString(text, Qt::ISODate);
    return text.size() <= 32 && time->isValid() && time->timeSpec() == Qt::UTC;
}

bool ReadInt(const QVariant& value, int* number) {
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    *number = static_cast<int>(n);
    return ok && n >= 0 && n <= kMaxLogbookMinutes;
}

} // namespace

const QString& LogbookColumns() {
    static const QString columns = Names().join(QStringLiteral(", "));
    return columns;
}

QString LogbookPlaceholders() {
    return QLatin1Char(':') + Names().join(QStringLiteral(", :"));
}

QString LogbookAssignments() {
    QStringList parts;
    for (const QString& name : Names())
        parts.append(name + QStringLiteral(" = :") + name);
    return parts.join(QStringLiteral(", "));
}

void BindLogbookEntry(QSqlQuery& query, const LogbookEntry& e) {
    const QVariant values[] = {e.date.toString(Qt::ISODate),
                               Text(e.registration),
                               Text(e.aircraftType),
                               Text(e.departure),
                               Text(e.arrival),
                               TimeValue(e.startup),
                               TimeValue(e.takeoff),
                               TimeValue(e.landing),
                               TimeValue(e.shutdown),
                               e.blockMinutes,
                               e.flightMinutes,
                               e.airMinutes,
                               e.nightMinutes,
                               e.landings,
                               e.nightLandings,
                               Text(e.remarks)};
    static_assert(std::size(values) == 16);
    for (qsizetype i = 0; i < Names().size(); ++i)
        query.bindValue(QLatin1Char(':') + Names()[i], values[i]);
}

Outcome<LogbookEntry> ReadLogbookRow(const QSqlQuery& q) {
    LogbookEntry e;
    e.id = q.value(0).toLongLong();
    const QString date = q.value(1).toString();
    e.date = QDate::fromString(date, Qt::ISODate);
    e.registration = q.value(2).toString();
    e.aircraftType = q.value(3).toString();
    e.departure = q.value(4).toString();
    e.arrival = q.value(5).toString();
    e.remarks = q.value(16).toString();
    QDateTime* const times[] = {&e.startup, &e.takeoff, &e.landing, &e.shutdown};
    int* const numbers[] = {&e.blockMinutes, &e.flightMinutes, &e.airMinutes,
                            &e.nightMinutes, &e.landings,      &e.nightLandings};
    bool ok = date.size() == 10;
    for (int i = 0; i < 4; ++i)
        ok = ReadTime(q.value(6 + i), times[i]) && ok;
    for (int i = 0; i < 6; ++i)
        ok = ReadInt(q.value(10 + i), numbers[i]) && ok;
    Status checked = ok ? CheckLogbookEntry(e) : Status::Fail(QString());
    if (!checked)
        return Outcome<LogbookEntry>::Fail(
            QStringLiteral("The logbook holds a damaged flight (number %1). Nothing was changed.")
                .arg(e.id));
    return e;
}
