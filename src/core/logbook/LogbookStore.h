#pragma once
// The pilot's logbook: an SQLite database ("logbook.sqlite" in the data folder) through Qt SQL,
// with a write-ahead journal, its schema version in PRAGMA user_version and one migration step
// per version (LogbookSchema). Each change is one transaction, so a crash or a full disk loses
// at most that change and never leaves half of it; all values go in as bound parameters.
//
// A file that is not an SQLite database, is damaged, holds other tables than a logbook's or
// comes from a newer version of the program is refused with a message and left as it is: the
// store then stays closed and writes nothing. One connection of its own per store.

#include "core/common/Outcome.h"
#include "core/logbook/LogbookEntry.h"

#include <QList>
#include <QString>

#include <optional>

class QSqlDatabase;

class LogbookStore {
public:
    // The largest logbook file opened (about a million flights).
    static constexpr qint64 kMaxBytes = 512LL * 1024 * 1024;

    // "<data folder>/logbook.sqlite".
    static QString DefaultPath();

    explicit LogbookStore(QString path = DefaultPath());
    ~LogbookStore();
    LogbookStore(const LogbookStore&) = delete;
    LogbookStore& operator=(const LogbookStore&) = delete;

    // Opens the file, making it (and its folder) when missing and bringing an older version up
    // to date. Fails, leaving the file untouched, as said above.
    Status Open();
    bool IsOpen() const { return open_; }
    const QString& Path() const { return path_; }

    // Checks (CheckLogbookEntry) and adds the entry; its new number.
    Outcome<qint64> Add(const LogbookEntry& entry);
    // Checks the entry and replaces the flight with its number; fails when there is none.
    Status Update(const LogbookEntry& entry);
    // Removes the flight with the number; fails when there is none.
    Status Delete(qint64 id);
    // The flight with the number; nothing when there is none.
    Outcome<std::optional<LogbookEntry>> Find(qint64 id) const;
    // The flights dated from `from` to `to` (each inclusive, an invalid date for no limit),
    // newest first. Fails for a damaged row rather than leave it out.
    Outcome<QList<LogbookEntry>> List(const QDate& from = {}, const QDate& to = {}) const;
    // Adds all the entries in one transaction, leaving out each one the logbook (or the list
    // before it) already holds; all or nothing. The number added.
    Outcome<int> AddAll(const QList<LogbookEntry>& entries);

private:
    Status OpenChecked(QSqlDatabase& db);
    Status Refuse(const QString& why) const;
    Status InsertRow(QSqlDatabase& db, const LogbookEntry& entry, qint64* id);

    QString path_;
    QString connection_;
    bool open_ = false;
};
