#include "core/logbook/LogbookTransfer.h"

#include "core/logbook/LogbookCsv.h"
#include "core/logbook/LogbookStore.h"

#include <algorithm>

Outcome<QByteArray> ExportLogbookCsv(const LogbookStore& store, const QDate& from,
                                     const QDate& to) {
    Outcome<QList<LogbookEntry>> listed = store.List(from, to);
    if (!listed)
        return listed.error();
    QList<LogbookEntry>& entries = listed.value();
    if (entries.isEmpty())
        return Outcome<QByteArray>::Fail(QStringLiteral("The logbook holds no flights of those "
                                                        "dates."),
                                         MessageIcon::Information);
    std::reverse(entries.begin(), entries.end()); // oldest first
    return LogbookCsvText(entries);
}

Outcome<LogbookImport> ImportLogbookCsv(LogbookStore& store, const QByteArray& csv) {
    const Outcome<QList<LogbookEntry>> parsed = ParseLogbookCsv(csv);
    if (!parsed)
        return Outcome<LogbookImport>::Fail(
            parsed.error().text + QStringLiteral("\nNothing was imported."), MessageIcon::Warning);
    if (parsed->isEmpty())
        return Outcome<LogbookImport>::Fail(QStringLiteral("The file holds no flights."),
                                            MessageIcon::Warning);
    const Outcome<int> added = store.AddAll(parsed.value());
    if (!added)
        return Outcome<LogbookImport>::Fail(added.error().text +
                                            QStringLiteral("\nNothing was imported."));
    return LogbookImport{added.value(), static_cast<int>(parsed->size()) - added.value()};
}

QString LogbookImportText(const LogbookImport& import) {
    QString text =
        QStringLiteral("Imported %1 %2")
            .arg(import.added)
            .arg(import.added == 1 ? QStringLiteral("flight") : QStringLiteral("flights"));
    if (import.known > 0)
        text += QStringLiteral(" (%1 already in the logbook)").arg(import.known);
    return text + QLatin1Char('.');
}
