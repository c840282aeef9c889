#include "core/logbook/LogbookTotals.h"

#include "core/logbook/LogbookTexts.h"

namespace {

void Count(const LogbookEntry& e, LogbookPeriodTotal* total) {
    ++total->flights;
    total->blockMinutes += e.blockMinutes;
    total->landings += e.landings;
    total->nightLandings += e.nightLandings;
}

} // namespace

QDate Last90DaysStart(const QDate& today) {
    return today.addDays(-89);
}

QDate Last12MonthsStart(const QDate& today) {
    return today.addMonths(-12).addDays(1);
}

LogbookTotals ComputeLogbookTotals(const QList<LogbookEntry>& entries, const QDate& today) {
    LogbookTotals totals;
    const QDate days90 = Last90DaysStart(today);
    const QDate months12 = Last12MonthsStart(today);
    for (const LogbookEntry& e : entries) {
        Count(e, &totals.allTime);
        if (e.date > today)
            continue;
        if (e.date >= days90)
            Count(e, &totals.last90Days);
        if (e.date >= months12)
            Count(e, &totals.last12Months);
    }
    return totals;
}

QString LogbookTotalsText(const LogbookTotals& totals) {
    const auto line = [](const char* period, const LogbookPeriodTotal& total) {
        return QStringLiteral("%1: %2 h, %3 %4")
            .arg(QString::fromLatin1(period), LogbookHoursText(total.blockMinutes))
            .arg(total.landings)
            .arg(total.landings == 1 ? QStringLiteral("landing") : QStringLiteral("landings"));
    };
    return line("All", totals.allTime) + QLatin1Char('\n') + line("90 days", totals.last90Days) +
           QLatin1Char('\n') + line("12 months", totals.last12Months);
}
