#include "core/logbook/LogbookSchema.h"

#include "core/logbook/LogbookSql.h"

#include <QSqlQuery>

namespace {

// Step 0 -> 1: the flights as the first version kept them.
constexpr const char* kVersion1[] = {
    "CREATE TABLE flights ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " date TEXT NOT NULL,"
    " registration TEXT NOT NULL DEFAULT '',"
    " aircraft_type TEXT NOT NULL DEFAULT '',"
    " departure TEXT NOT NULL DEFAULT '',"
    " arrival TEXT NOT NULL DEFAULT '',"
    " startup TEXT NOT NULL DEFAULT '',"
    " takeoff TEXT NOT NULL DEFAULT '',"
    " landing TEXT NOT NULL DEFAULT '',"
    " shutdown TEXT NOT NULL DEFAULT '',"
    " block_minutes INTEGER NOT NULL DEFAULT 0,"
    " flight_minutes INTEGER NOT NULL DEFAULT 0,"
    " air_minutes INTEGER NOT NULL DEFAULT 0,"
    " night_minutes INTEGER NOT NULL DEFAULT 0,"
    " landings INTEGER NOT NULL DEFAULT 1,"
    " remarks TEXT NOT NULL DEFAULT '')",
};

// Step 1 -> 2: night landings (0 for the flights already kept) and the listing's order.
constexpr const char* kVersion2[] = {
    "ALTER TABLE flights ADD COLUMN night_landings INTEGER NOT NULL DEFAULT 0",
    "CREATE INDEX flights_by_date ON flights (date, startup)",
};

template <size_t N> Status RunAll(QSqlDatabase& db, const char* const (&statements)[N]) {
    for (const char* statement : statements) {
        QSqlQuery query(db);
        if (!query.exec(QString::fromUtf8(statement)))
            return LogbookSqlFailure(query);
    }
    return {};
}

} // namespace

Outcome<QStringList> LogbookSchemaOf(QSqlDatabase& db) {
    QSqlQuery query(db);
    // SQLite's own objects (sqlite_sequence behind AUTOINCREMENT, automatic indexes) count too:
    // they come with the tables that make them.
    if (!query.exec(QStringLiteral("SELECT type, name, IFNULL(sql, '') FROM sqlite_master "
                                   "ORDER BY type, name")))
        return LogbookSqlFailure(query).error();
    QStringList objects;
    while (query.next()) {
        if (objects.size() > 100) // no logbook has that many
            break;
        objects.append(query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString() +
                       QLatin1Char(' ') + query.value(2).toString());
    }
    return objects;
}

Outcome<QStringList> LogbookSchemaOfVersion(int version) {
    if (version < 0 || version > kLogbookSchemaVersion)
        return Outcome<QStringList>::Fail(QStringLiteral("Unknown logbook version."));
    const QString name = NewLogbookConnectionName();
    Outcome<QStringList> objects = QStringList();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        if (!db.open())
            objects = LogbookSqlFailure(db).error();
        for (int step = 0; objects.ok() && step < version; ++step)
            if (Status s = RunLogbookSchemaStep(db, step); !s)
                objects = s.error();
        if (objects.ok())
            objects = LogbookSchemaOf(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return objects;
}

Status RunLogbookSchemaStep(QSqlDatabase& db, int version) {
    Status step;
    if (version == 0)
        step = RunAll(db, kVersion1);
    else if (version == 1)
        step = RunAll(db, kVersion2);
    else
        return Status::Fail(
            QStringLiteral("The logbook has no schema step from version %1.").arg(version));
    if (!step)
        return step;
    QSqlQuery query(db);
    // PRAGMA takes no bound parameters; the number is ours.
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version + 1)))
        return LogbookSqlFailure(query);
    return {};
}

Status MigrateLogbook(QSqlDatabase& db, int fromVersion) {
    for (int version = fromVersion; version < kLogbookSchemaVersion; ++version) {
        if (!db.transaction())
            return LogbookSqlFailure(db);
        if (Status step = RunLogbookSchemaStep(db, version); !step) {
            db.rollback();
            return step;
        }
        if (!db.commit()) {
            Status failed = LogbookSqlFailure(db);
            db.rollback();
            return failed;
        }
    }
    return {};
}
