#pragma once
// Whether the pilot may carry passengers: at least 3 take-offs and landings in the 90 days that
// end with the day of the flight (the day of the landings is the first of the 90), and 3 at
// night for passengers at night. Counted by the flights' dates, in UTC; a flight's landings all
// count on its date.

#include "core/logbook/LogbookEntry.h"

#include <QList>

inline constexpr int kCurrencyLandings = 3;
inline constexpr int kCurrencyDays = 90;

struct Currency {
    bool current = false;
    // The last day the pilot is current (when current), or was (when it ran out); invalid
    // when the logbook never had 3 landings of the kind.
    QDate lastDay;

    bool operator==(const Currency&) const = default;
};

struct PassengerCurrency {
    Currency day;   // every landing counts
    Currency night; // night landings only
};

PassengerCurrency ComputePassengerCurrency(const QList<LogbookEntry>& entries, const QDate& today);

// The sentences the logbook shows, the same everywhere:
// "Day passenger currency ends on 12 March", "Day passenger currency ended on 2 May 2025",
// "No day passenger currency" (and "Night ..." / "No night ..." for night).
QString DayCurrencyText(const Currency& currency, const QDate& today);
QString NightCurrencyText(const Currency& currency, const QDate& today);
