#pragma once
// Moving the logbook to and from its CSV form (LogbookCsv), as File > Export Logbook and the
// command line do it.

#include "core/common/Outcome.h"

#include <QByteArray>
#include <QDate>

class LogbookStore;

// The CSV of the flights dated from `from` to `to` (each inclusive, invalid for no limit),
// oldest first. Fails when the store fails or holds no such flight.
Outcome<QByteArray> ExportLogbookCsv(const LogbookStore& store, const QDate& from = {},
                                     const QDate& to = {});

struct LogbookImport {
    int added = 0;
    int known = 0; // rows the logbook already held, left out
};

// Adds the flights of a CSV file in one transaction (LogbookStore::AddAll). Fails, adding
// nothing, for a file of another shape ("Line 7: ...") or one without flights.
Outcome<LogbookImport> ImportLogbookCsv(LogbookStore& store, const QByteArray& csv);

// "Imported 3 flights (2 already in the logbook)."
QString LogbookImportText(const LogbookImport& import);
