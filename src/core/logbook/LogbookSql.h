#pragma once
// The messages of failed database operations of the logbook.

#include "core/common/Outcome.h"

#include <QString>

class QSqlDatabase;
class QSqlQuery;

// A connection name no other connection of this process has ("logbook-7").
QString NewLogbookConnectionName();

// "The logbook could not be written or read:" and the driver's reason.
Status LogbookSqlFailure(const QSqlQuery& query);
Status LogbookSqlFailure(const QSqlDatabase& db);
