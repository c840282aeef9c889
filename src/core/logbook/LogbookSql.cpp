#include "core/logbook/LogbookSql.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

namespace {

Status Failure(const QSqlError& error) {
    return Status::Fail(QStringLiteral("The logbook could not be written or read:\n") +
                            error.text().left(500),
                        MessageIcon::Error);
}

} // namespace

Status LogbookSqlFailure(const QSqlQuery& query) {
    return Failure(query.lastError());
}

Status LogbookSqlFailure(const QSqlDatabase& db) {
    return Failure(db.lastError());
}

QString NewLogbookConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("logbook-%1").arg(++counter);
}
