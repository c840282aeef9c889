#include "core/logbook/PassengerCurrency.h"

#include "core/logbook/LogbookTexts.h"

#include <QMap>

namespace {

// The day currency earned by the flights up to `today` ends: the date of the third latest
// landing plus 89 days.
Currency CurrencyOf(const QMap<QDate, int>& landingsByDate, const QDate& today) {
    int counted = 0;
    for (auto it = landingsByDate.upperBound(today); it != landingsByDate.begin();) {
        --it;
        counted += it.value();
        if (counted >= kCurrencyLandings) {
            const QDate lastDay = it.key().addDays(kCurrencyDays - 1);
            return Currency{lastDay >= today, lastDay};
        }
    }
    return {};
}

QString CurrencyText(const Currency& c, const QDate& today, const char* kind) {
    if (!c.lastDay.isValid())
        return QStringLiteral("No %1 passenger currency").arg(QString::fromLatin1(kind));
    QString name = QString::fromLatin1(kind);
    name[0] = name[0].toUpper();
    return QStringLiteral("%1 passenger currency %2 on %3")
        .arg(name, c.current ? QStringLiteral("ends") : QStringLiteral("ended"),
             LogbookDayText(c.lastDay, today.year()));
}

} // namespace

PassengerCurrency ComputePassengerCurrency(const QList<LogbookEntry>& entries, const QDate& today) {
    QMap<QDate, int> all;
    QMap<QDate, int> night;
    for (const LogbookEntry& e : entries) {
        if (e.landings > 0)
            all[e.date] += e.landings;
        if (e.nightLandings > 0)
            night[e.date] += e.nightLandings;
    }
    return {CurrencyOf(all, today), CurrencyOf(night, today)};
}

QString DayCurrencyText(const Currency& currency, const QDate& today) {
    return CurrencyText(currency, today, "day");
}

QString NightCurrencyText(const Currency& currency, const QDate& today) {
    return CurrencyText(currency, today, "night");
}
