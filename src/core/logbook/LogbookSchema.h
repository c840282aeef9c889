#pragma once
// The logbook database's schema: its version in PRAGMA user_version, the tables each version
// has, and one migration step from each version to the next, beginning at an empty database
// (version 0). A new database is made by running every step, so the steps that bring an old
// file up to date are the ones every new file went through.
//
// Version 1: the table "flights". Version 2: night landings, and an index by date.

#include "core/common/Outcome.h"

#include <QSqlDatabase>
#include <QStringList>

inline constexpr int kLogbookSchemaVersion = 2;

// What a logbook of `version` holds: the type, name and SQL of each table and index, sorted,
// as an empty database shows them after the steps up to that version. Fails for a version
// this program does not know.
Outcome<QStringList> LogbookSchemaOfVersion(int version);
// The same list read from a database.
Outcome<QStringList> LogbookSchemaOf(QSqlDatabase& db);

// Runs the steps from `fromVersion` to kLogbookSchemaVersion, each in its own transaction that
// also sets user_version, so a step that fails leaves the file at the version before it.
Status MigrateLogbook(QSqlDatabase& db, int fromVersion);

// One step (from `version` to version + 1), without a transaction; for the tests that build a
// database of an older version.
Status RunLogbookSchemaStep(QSqlDatabase& db, int version);
