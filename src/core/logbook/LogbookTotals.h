#pragma once
// The logbook's totals: block time and landings over all flights, the last 90 days and the last
// 12 months, each period ending with `today` (UTC) and counted by the flights' dates.

#include "core/logbook/LogbookEntry.h"

#include <QList>
#include <QString>

struct LogbookPeriodTotal {
    int flights = 0;
    qint64 blockMinutes = 0;
    int landings = 0;
    int nightLandings = 0;

    bool operator==(const LogbookPeriodTotal&) const = default;
};

struct LogbookTotals {
    LogbookPeriodTotal allTime;
    LogbookPeriodTotal last90Days;   // dated today or in the 89 days before
    LogbookPeriodTotal last12Months; // dated after the same day 12 months ago
};

// The first date of each period that ends with `today`.
QDate Last90DaysStart(const QDate& today);
QDate Last12MonthsStart(const QDate& today);

// Flights dated after `today` count in all time only.
LogbookTotals ComputeLogbookTotals(const QList<LogbookEntry>& entries, const QDate& today);

// The three lines the Logbook view shows: "All: 12.5 h, 20 landings", "90 days: ...",
// "12 months: ...".
QString LogbookTotalsText(const LogbookTotals& totals);
