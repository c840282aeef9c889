#pragma once
// The logbook as CSV (RFC 4180): UTF-8, records ending with CRLF, a header row, then one flight
// a row, oldest first. Dates are ISO 8601 (YYYY-MM-DD, the UTC date of the start-up), the four
// times UTC hh:mm (empty when unknown), block, flight, air and night time decimal hours with one
// digit. A field holding a comma, a quote or a line break is quoted.
//
// Reading takes back exactly that shape: the same header, 16 fields a row, each value as
// written (a time earlier than the one before it in the row is on the next day). A duration
// that the row's times give to the tenth is taken to the minute from the times.

#include "core/common/Outcome.h"
#include "core/logbook/LogbookEntry.h"

#include <QByteArray>
#include <QList>

// The largest CSV file read.
inline constexpr qint64 kMaxLogbookCsvBytes = 64LL * 1024 * 1024;

// "Date,Aircraft,Type,From,To,Startup,Takeoff,Landing,Shutdown,Block,Flight,Air,Night,Landings,
// Night landings,Remarks".
QString LogbookCsvHeader();

// The file of the entries, in the order given.
QByteArray LogbookCsvText(const QList<LogbookEntry>& entries);

// The entries of a file, in file order. Fails (warning) at the first row that is not of this
// shape, naming its line: "Line 7: ...".
Outcome<QList<LogbookEntry>> ParseLogbookCsv(const QByteArray& bytes);
