#include "core/logbook/LogbookStore.h"

#include "core/common/io/DeviceFolders.h"
#include "core/logbook/LogbookRow.h"
#include "core/logbook/LogbookSchema.h"
#include "core/logbook/LogbookSql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <functional>

namespace {

constexpr char kSqliteMagic[] = "SQLite format 3";

QSqlDatabase Connection(const QString& name) {
    return QSqlDatabase::database(name, false);
}

// Runs `change` in a transaction: committed when it succeeds, rolled back otherwise.
Status InTransaction(QSqlDatabase& db, const std::function<Status()>& change) {
    if (!db.transaction())
        return LogbookSqlFailure(db);
    Status status = change();
    if (status && !db.commit())
        status = LogbookSqlFailure(db);
    if (!status)
        db.rollback();
    return status;
}

Outcome<QString> SingleText(QSqlDatabase& db, const QString& statement) {
    QSqlQuery query(db);
    if (!query.exec(statement) || !query.next())
        return LogbookSqlFailure(query).error();
    return query.value(0).toString();
}

// What the file is before SQLite opens it: missing or empty (a new logbook), or an SQLite file
// of a size we read. Fails with the reason otherwise.
Status CheckFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        return Status::Fail(QStringLiteral("it is not a regular file"));
    if (info.size() > LogbookStore::kMaxBytes)
        return Status::Fail(QStringLiteral("it is larger than a logbook can be"));
    if (info.size() == 0)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::Fail(file.errorString());
    if (file.read(sizeof kSqliteMagic) != QByteArray(kSqliteMagic, sizeof kSqliteMagic))
        return Status::Fail(QStringLiteral("it is not an SQLite database"));
    return {};
}

} // namespace

QString LogbookStore::DefaultPath() {
    return DataFolder() + QStringLiteral("logbook.sqlite");
}

LogbookStore::LogbookStore(QString path)
    : path_(std::move(path)), connection_(NewLogbookConnectionName()) {}

LogbookStore::~LogbookStore() {
    Connection(connection_).close();
    QSqlDatabase::removeDatabase(connection_);
}

Status LogbookStore::Refuse(const QString& why) const {
    return Status::Fail(QStringLiteral("The logbook %1 cannot be used: %2. The file is left as it "
                                       "is.")
                            .arg(QDir::toNativeSeparators(path_), why),
                        MessageIcon::Error);
}

Status LogbookStore::Open() {
    if (open_)
        return {};
    if (Status file = CheckFile(path_); !file)
        return Refuse(file.error().text);
    if (!QFileInfo::exists(path_) && !QDir().mkpath(QFileInfo(path_).absolutePath()))
        return Refuse(QStringLiteral("its folder cannot be made"));
    QSqlDatabase db = QSqlDatabase::contains(connection_)
                          ? Connection(connection_)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    if (!db.isValid())
        return Refuse(QStringLiteral("the SQLite driver of Qt is not installed"));
    db.setDatabaseName(path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return Refuse(LogbookSqlFailure(db).error().text);
    Status checked = OpenChecked(db);
    if (!checked)
        db.close();
    open_ = checked.ok();
    return checked;
}

// The checks of an opened file before anything is written to it, then the journal mode and the
// migration.
Status LogbookStore::OpenChecked(QSqlDatabase& db) {
    const Outcome<QString> check = SingleText(db, QStringLiteral("PRAGMA quick_check"));
    if (!check || check.value() != QLatin1String("ok"))
        return Refuse(QStringLiteral("the database is damaged"));
    const Outcome<QString> versionText = SingleText(db, QStringLiteral("PRAGMA user_version"));
    bool number = false;
    const int version = versionText ? versionText.value().toInt(&number) : -1;
    if (!number || version < 0)
        return Refuse(QStringLiteral("its version cannot be read"));
    if (version > kLogbookSchemaVersion)
        return Refuse(QStringLiteral("it was made by a newer version of Trevallion"));
    const Outcome<QStringList> expected = LogbookSchemaOfVersion(version);
    const Outcome<QStringList> found = LogbookSchemaOf(db);
    if (!expected || !found)
        return Refuse(QStringLiteral("its tables cannot be read"));
    if (found.value() != expected.value())
        return Refuse(QStringLiteral("it holds other tables than a logbook"));
    const Outcome<QString> journal = SingleText(db, QStringLiteral("PRAGMA journal_mode = WAL"));
    if (!journal || journal.value().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        return Refuse(QStringLiteral("its write-ahead journal cannot be set up"));
    if (Status migrated = MigrateLogbook(db, version); !migrated)
        return migrated;
    return {};
}

Status LogbookStore::InsertRow(QSqlDatabase& db, const LogbookEntry& entry, qint64* id) {
    if (Status checked = CheckLogbookEntry(entry); !checked)
        return checked;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO flights (%1) VALUES (%2)")
                      .arg(LogbookColumns(), LogbookPlaceholders()));
    BindLogbookEntry(query, entry);
    if (!query.exec())
        return LogbookSqlFailure(query);
    *id = query.lastInsertId().toLongLong();
    return {};
}

Outcome<qint64> LogbookStore::Add(const LogbookEntry& entry) {
    if (!open_)
        return Outcome<qint64>::Fail(QStringLiteral("The logbook is not open."));
    QSqlDatabase db = Connection(connection_);
    qint64 id = 0;
    if (Status added = InTransaction(db, [&] { return InsertRow(db, entry, &id); }); !added)
        return added.error();
    return id;
}

Status LogbookStore::Update(const LogbookEntry& entry) {
    if (!open_)
        return Status::Fail(QStringLiteral("The logbook is not open."));
    if (Status checked = CheckLogbookEntry(entry); !checked)
        return checked;
    QSqlDatabase db = Connection(connection_);
    return InTransaction(db, [&]() -> Status {
        QSqlQuery query(db);
        query.prepare(
            QStringLiteral("UPDATE flights SET %1 WHERE id = :id").arg(LogbookAssignments()));
        BindLogbookEntry(query, entry);
        query.bindValue(QStringLiteral(":id"), entry.id);
        if (!query.exec())
            return LogbookSqlFailure(query);
        if (query.numRowsAffected() != 1)
            return Status::Fail(QStringLiteral("That flight is no longer in the logbook."));
        return {};
    });
}

Status LogbookStore::Delete(qint64 id) {
    if (!open_)
        return Status::Fail(QStringLiteral("The logbook is not open."));
    QSqlDatabase db = Connection(connection_);
    return InTransaction(db, [&]() -> Status {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("DELETE FROM flights WHERE id = :id"));
        query.bindValue(QStringLiteral(":id"), id);
        if (!query.exec())
            return LogbookSqlFailure(query);
        if (query.numRowsAffected() != 1)
            return Status::Fail(QStringLiteral("That flight is no longer in the logbook."));
        return {};
    });
}

Outcome<std::optional<LogbookEntry>> LogbookStore::Find(qint64 id) const {
    using Result = Outcome<std::optional<LogbookEntry>>;
    if (!open_)
        return Result::Fail(QStringLiteral("The logbook is not open."));
    QSqlQuery query(Connection(connection_));
    query.prepare(
        QStringLiteral("SELECT id, %1 FROM flights WHERE id = :id").arg(LogbookColumns()));
    query.bindValue(QStringLiteral(":id"), id);
    if (!query.exec())
        return LogbookSqlFailure(query).error();
    if (!query.next())
        return Result(std::optional<LogbookEntry>());
    Outcome<LogbookEntry> entry = ReadLogbookRow(query);
    if (!entry)
        return entry.error();
    return Result(std::optional<LogbookEntry>(std::move(entry.value())));
}

Outcome<QList<LogbookEntry>> LogbookStore::List(const QDate& from, const QDate& to) const {
    if (!open_)
        return Outcome<QList<LogbookEntry>>::Fail(QStringLiteral("The logbook is not open."));
    QSqlQuery query(Connection(connection_));
    query.setForwardOnly(true);
    // Dates are stored as YYYY-MM-DD, whose text order is their calendar order.
    query.prepare(QStringLiteral("SELECT id, %1 FROM flights WHERE date >= :from AND date <= :to "
                                 "ORDER BY date DESC, startup DESC, id DESC")
                      .arg(LogbookColumns()));
    query.bindValue(QStringLiteral(":from"),
                    from.isValid() ? from.toString(Qt::ISODate) : QStringLiteral("0000"));
    query.bindValue(QStringLiteral(":to"),
                    to.isValid() ? to.toString(Qt::ISODate) : QStringLiteral("9999-99"));
    if (!query.exec())
        return LogbookSqlFailure(query).error();
    QList<LogbookEntry> entries;
    while (query.next()) {
        Outcome<LogbookEntry> entry = ReadLogbookRow(query);
        if (!entry)
            return entry.error();
        entries.append(std::move(entry.value()));
    }
    return entries;
}

Outcome<int> LogbookStore::AddAll(const QList<LogbookEntry>& entries) {
    Outcome<QList<LogbookEntry>> held = List();
    if (!held)
        return held.error();
    QSet<QString> known;
    for (const LogbookEntry& entry : held.value())
        known.insert(LogbookFlightKey(entry));
    int added = 0;
    QSqlDatabase db = Connection(connection_);
    Status all = InTransaction(db, [&]() -> Status {
        for (const LogbookEntry& entry : entries) {
            const QString key = LogbookFlightKey(entry);
            if (known.contains(key))
                continue;
            qint64 id = 0;
            if (Status inserted = InsertRow(db, entry, &id); !inserted)
                return inserted;
            known.insert(key);
            ++added;
        }
        return {};
    });
    if (!all)
        return all.error();
    return added;
}
