#pragma once
// The logbook's number and date texts, the same on the screen, in the CSV file and in the
// currency sentences.

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// Minutes as decimal hours with one digit ("%.1f": 90 -> "1.5", 0 -> "0.0").
QString LogbookHoursText(qint64 minutes);
// Decimal hours with at most one digit ("1", "1.5") as whole minutes (a tenth is 6 minutes);
// nothing for any other text.
std::optional<int> ParseLogbookHours(const QString& text);

// The UTC time of day as hh:mm; "" for an unknown time.
QString LogbookTimeText(const QDateTime& utc);
// "12 March", with the year after it ("12 March 2025") when it is not `currentYear`.
QString LogbookDayText(const QDate& date, int currentYear);
