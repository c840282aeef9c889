#pragma once
// One flight as the fields of a row of the logbook's CSV form (LogbookCsv), and back.

#include "core/common/Outcome.h"
#include "core/logbook/LogbookEntry.h"

#include <QStringList>

// The 16 column names of the header row.
const QStringList& LogbookCsvColumns();

QStringList LogbookCsvFields(const LogbookEntry& entry);

// The entry of a row's fields. An empty block, flight or air time is the one the times give
// (0 without them), an empty night time 0. Fails with what is wrong, naming the column ("the block
// time
// \"1,5\" is not hours with one decimal, such as 1.5.").
Outcome<LogbookEntry> ParseLogbookCsvFields(const QStringList& fields);
