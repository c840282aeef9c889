#pragma once
// How a logbook entry lies in the table "flights": the column list, the binding of an entry's
// values to a statement, and the entry of a selected row.

#include "core/common/Outcome.h"
#include "core/logbook/LogbookEntry.h"

class QSqlQuery;

// "date, registration, ..., night_landings" in the order Bind and ReadLogbookRow use.
const QString& LogbookColumns();
// ":date, :registration, ..." for an INSERT.
QString LogbookPlaceholders();
// "date = :date, ..." for an UPDATE.
QString LogbookAssignments();

// Binds every column's value by its placeholder name.
void BindLogbookEntry(QSqlQuery& query, const LogbookEntry& entry);

// The entry of the current row of a query that selected "id, " + LogbookColumns(). Fails when
// the row holds what this program never writes (an unreadable date or time, a failed check).
Outcome<LogbookEntry> ReadLogbookRow(const QSqlQuery& query);
