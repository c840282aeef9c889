#include "LogbookTestSupport.h"

#include "core/logbook/LogbookSchema.h"
#include "core/logbook/LogbookSql.h"
#include "core/logbook/LogbookStore.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs statements on a database file of our own making, outside any store.
void RunSql(const QString& path, const QStringList& statements, int schemaSteps = 0) {
    const QString name = NewLogbookConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        for (int step = 0; step < schemaSteps; ++step)
            ASSERT_TRUE(RunLogbookSchemaStep(db, step).ok());
        for (const QString& statement : statements) {
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

TEST(LogbookStore, AddsListsNewestFirstUpdatesAndDeletes) {
    TempFolder folder;
    LogbookStore store(folder.File(QStringLiteral("sub/logbook.sqlite"))); // the folder is made
    ASSERT_TRUE(store.Open());
    const LogbookEntry older = PlainFlight(QDate(2026, 3, 1), 10, 0);
    const LogbookEntry morning = PlainFlight(QDate(2026, 3, 20), 8, 0);
    const LogbookEntry evening = PlainFlight(QDate(2026, 3, 20), 18, 0);
    for (const LogbookEntry& e : {morning, older, evening})
        ASSERT_TRUE(store.Add(e).ok());
    Outcome<QList<LogbookEntry>> listed = store.List();
    ASSERT_TRUE(listed.ok());
    ASSERT_EQ(listed->size(), 3);
    EXPECT_EQ(listed->at(0).startup, evening.startup);
    EXPECT_EQ(listed->at(2).date, older.date);
    EXPECT_EQ(store.List(QDate(2026, 3, 2), QDate(2026, 3, 20))->size(), 2);
    EXPECT_EQ(store.List(QDate(2026, 3, 1), QDate(2026, 3, 1))->size(), 1);

    LogbookEntry changed = listed->at(0);
    changed.remarks = QStringLiteral("Night, \"circuits\"\nand more"); // kept as typed
    changed.registration.clear();
    ASSERT_TRUE(store.Update(changed));
    EXPECT_EQ(store.List()->at(0), changed);
    ASSERT_TRUE(store.Delete(changed.id));
    EXPECT_FALSE(store.Delete(changed.id)); // gone already
    changed.id = 999;
    EXPECT_FALSE(store.Update(changed));
    changed.nightMinutes = changed.blockMinutes + 1;
    changed.id = store.List()->at(0).id;
    EXPECT_FALSE(store.Update(changed)); // refused by the check, nothing changed
    EXPECT_EQ(store.List()->size(), 2);
}

// A file of the first schema with a flight in it: opened, brought to the current version,
// the flight kept and its new night landings 0.
TEST(LogbookStore, MigratesFromTheFirstSchema) {
    TempFolder folder;
    const QString path = folder.File(QStringLiteral("logbook.sqlite"));
    RunSql(path,
           {QStringLiteral("INSERT INTO flights (date, registration, startup, shutdown, "
                           "block_minutes, night_minutes, landings) VALUES ('2025-07-04', "
                           "'G-ABCD', '2025-07-04T09:00:00Z', '2025-07-04T10:30:00Z', 90, 0, 2)"),
            QStringLiteral("PRAGMA user_version = 1")},
           1);
    LogbookStore store(path);
    ASSERT_TRUE(store.Open());
    const Outcome<QList<LogbookEntry>> listed = store.List();
    ASSERT_TRUE(listed.ok()) << listed.error().text.toStdString();
    ASSERT_EQ(listed->size(), 1);
    EXPECT_EQ(listed->at(0).registration, QStringLiteral("G-ABCD"));
    EXPECT_EQ(listed->at(0).blockMinutes, 90);
    EXPECT_EQ(listed->at(0).landings, 2);
    EXPECT_EQ(listed->at(0).nightLandings, 0);
    LogbookEntry night = PlainFlight(QDate(2026, 1, 5), 19, 0, 60, 3, 2);
    ASSERT_TRUE(store.Add(night).ok());
    EXPECT_EQ(store.List()->at(0).nightLandings, 2);

    LogbookStore again(path); // a current file opens as it is
    ASSERT_TRUE(again.Open());
    EXPECT_EQ(again.List()->size(), 2);
}

// Files that are not a logbook this program can keep are refused and left byte for byte.
TEST(LogbookStore, RefusesForeignDamagedAndNewerFilesUntouched) {
    TempFolder folder;
    const QString good = folder.File(QStringLiteral("good.sqlite"));
    {
        LogbookStore store(good);
        ASSERT_TRUE(store.Open());
        for (int day = 1; day <= 28; ++day)
            ASSERT_TRUE(store.Add(PlainFlight(QDate(2026, 2, day), 10, 0)).ok());
    }
    QByteArray damaged = Bytes(good);
    ASSERT_GT(damaged.size(), 8192);
    for (qsizetype i = 4096 + 100; i < damaged.size(); i += 7) // wreck the pages after the first
        damaged[i] = static_cast<char>(0x5a);

    const struct {
        const char* what;
        QByteArray bytes;       // written as the file, when not empty
        QStringList statements; // run on a new SQLite file otherwise
        int steps;
        const char* reason;
    } cases[] = {
        {"a text file", "Date,Aircraft\r\n2026-03-20,N1\r\n", {}, 0, "not an SQLite database"},
        {"a damaged logbook", damaged, {}, 0, "damaged"},
        {"another program's database",
         {},
         {QStringLiteral("CREATE TABLE contacts (name TEXT)")},
         0,
         "other tables"},
        {"a logbook with a table added",
         {},
         {QStringLiteral("CREATE TABLE extra (x)"), QStringLiteral("PRAGMA user_version = 2")},
         2,
         "other tables"},
        {"a newer logbook", {}, {QStringLiteral("PRAGMA user_version = 3")}, 2, "newer version"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = folder.File(QString::fromLatin1(c.what) + QStringLiteral(".sqlite"));
        if (c.bytes.isEmpty()) {
            RunSql(path, c.statements, c.steps);
        } else {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.bytes);
        }
        const QByteArray before = Bytes(path);
        LogbookStore store(path);
        const Status opened = store.Open();
        ASSERT_FALSE(opened.ok());
        EXPECT_NE(opened.error().text.indexOf(QString::fromLatin1(c.reason)), -1)
            << opened.error().text.toStdString();
        EXPECT_FALSE(store.IsOpen());
        EXPECT_FALSE(store.Add(PlainFlight(QDate(2026, 3, 20), 10, 0)).ok());
        EXPECT_EQ(Bytes(path), before);
        EXPECT_FALSE(QFile::exists(path + QStringLiteral("-wal")));
    }
}

TEST(LogbookStore, AddAllIsAllOrNothingAndLeavesOutKnownFlights) {
    TempFolder folder;
    LogbookStore store(folder.File(QStringLiteral("logbook.sqlite")));
    ASSERT_TRUE(store.Open());
    const LogbookEntry a = PlainFlight(QDate(2026, 3, 1), 10, 0);
    const LogbookEntry b = PlainFlight(QDate(2026, 3, 2), 10, 0);
    ASSERT_TRUE(store.Add(a).ok());
    LogbookEntry bad = PlainFlight(QDate(2026, 3, 3), 10, 0);
    bad.nightLandings = bad.landings + 1;
    EXPECT_FALSE(store.AddAll({b, bad}).ok());
    EXPECT_EQ(store.List()->size(), 1); // b was rolled back with the bad one
    const Outcome<int> added = store.AddAll({a, b, b});
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(added.value(), 1);
    EXPECT_EQ(store.List()->size(), 2);
}

} // namespace
