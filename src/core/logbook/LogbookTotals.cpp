#include "core/logbook/LogbookTotals.h"

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
