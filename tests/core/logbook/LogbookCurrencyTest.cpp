#include "LogbookTestSupport.h"

#include "core/logbook/LogbookTotals.h"
#include "core/logbook/PassengerCurrency.h"

namespace {

// The third latest landing on 1 January 2026: day 1 of the 90 days; 31 March is day 90 and
// 1 April day 91.
TEST(PassengerCurrency, TheNinetiethAndNinetyFirstDay) {
    const QList<LogbookEntry> entries = {PlainFlight(QDate(2025, 12, 20), 10, 0, 60, 5, 3),
                                         PlainFlight(QDate(2026, 1, 1), 10, 0, 60, 1, 1),
                                         PlainFlight(QDate(2026, 1, 10), 18, 0, 60, 2, 0)};
    const struct {
        QDate today;
        bool day;
        const char* dayText;
        bool night;
        const char* nightText;
    } cases[] = {
        {QDate(2026, 1, 10), true, "Day passenger currency ends on 31 March", true,
         "Night passenger currency ends on 19 March"}, // night: 20 Dec 2025 + 89
        {QDate(2026, 3, 19), true, "Day passenger currency ends on 31 March", true,
         "Night passenger currency ends on 19 March"},
        {QDate(2026, 3, 20), true, "Day passenger currency ends on 31 March", false,
         "Night passenger currency ended on 19 March"},
        {QDate(2026, 3, 31), true, "Day passenger currency ends on 31 March", false,
         "Night passenger currency ended on 19 March"},
        {QDate(2026, 4, 1), false, "Day passenger currency ended on 31 March", false,
         "Night passenger currency ended on 19 March"},
        {QDate(2027, 4, 1), false, "Day passenger currency ended on 31 March 2026", false,
         "Night passenger currency ended on 19 March 2026"},
        // Before the 10 January flight only 1 January and 20 December count.
        {QDate(2026, 1, 9), true, "Day passenger currency ends on 19 March", true,
         "Night passenger currency ends on 19 March"},
        {QDate(2025, 12, 19), false, "No day passenger currency", false,
         "No night passenger currency"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
        const PassengerCurrency currency = ComputePassengerCurrency(entries, c.today);
        EXPECT_EQ(currency.day.current, c.day);
        EXPECT_EQ(DayCurrencyText(currency.day, c.today), QString::fromUtf8(c.dayText));
        EXPECT_EQ(currency.night.current, c.night);
        EXPECT_EQ(NightCurrencyText(currency.night, c.today), QString::fromUtf8(c.nightText));
    }
}

TEST(LogbookTotals, PeriodsEndWithToday) {
    const QDate today(2026, 3, 31);
    const QList<LogbookEntry> entries = {
        PlainFlight(QDate(2026, 1, 1), 10, 0, 50, 1),   // day 90 of the last 90 days
        PlainFlight(QDate(2025, 12, 31), 10, 0, 50, 2), // day 91
        PlainFlight(QDate(2025, 4, 1), 10, 0, 50, 4),   // last day of the 12 months
        PlainFlight(QDate(2025, 3, 31), 10, 0, 50, 8),  // a day before them
        PlainFlight(QDate(2026, 4, 1), 10, 0, 50, 16)}; // dated after today
    const LogbookTotals totals = ComputeLogbookTotals(entries, today);
    EXPECT_EQ(totals.allTime, (LogbookPeriodTotal{5, 300, 31, 0}));
    EXPECT_EQ(totals.last90Days, (LogbookPeriodTotal{1, 60, 1, 0}));
    EXPECT_EQ(totals.last12Months, (LogbookPeriodTotal{3, 180, 7, 0}));
}

} // namespace
