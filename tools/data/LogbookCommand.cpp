// trevallion-data logbook: the pilot's logbook as CSV, out and in, with the program's own store
// (logbook.sqlite in the data folder), so that flights can be kept in a spreadsheet or moved
// between machines.
#include "DataCommand.h"

#include "core/common/io/FileIo.h"
#include "core/logbook/LogbookCsv.h"
#include "core/logbook/LogbookStore.h"
#include "core/logbook/LogbookTransfer.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr char kLogbookUsage[] = "export [--from YYYY-MM-DD] [--to YYYY-MM-DD] | import FILE.csv";

constexpr char kLogbookHelp[] =
    "Usage: trevallion-data logbook export [--from YYYY-MM-DD] [--to YYYY-MM-DD]\n"
    "       trevallion-data logbook import FILE.csv\n"
    "\n"
    "export  prints the flights of the logbook dated from --from to --to (each inclusive,\n"
    "        UTC dates) as CSV, oldest first: a header row, ISO 8601 dates, times as hh:mm\n"
    "        and hours as decimal with one digit.\n"
    "import  adds the flights of a CSV file of that shape to the logbook, leaving out those\n"
    "        it already holds. A file of another shape is refused with its line number and\n"
    "        nothing is imported.\n"
    "\n"
    "The logbook is logbook.sqlite in the data folder (~/Documents/Orvenda/Trevallion/).\n";

int BadUsage(QTextStream& err, const QString& why) {
    err << "trevallion-data logbook: " << why << "\nUsage: trevallion-data logbook "
        << kLogbookUsage << '\n';
    return 2;
}

int Refused(QTextStream& err, const QString& text) {
    err << "trevallion-data logbook: " << text << '\n';
    return 1;
}

// Reads --from and --to; false, with the reason, for anything else.
bool ReadRange(const QStringList& args, QDate* from, QDate* to, QString* why) {
    for (qsizetype i = 0; i < args.size(); i += 2) {
        const QString& name = args[i];
        QDate* target = name == QLatin1String("--from") ? from
                        : name == QLatin1String("--to") ? to
                                                        : nullptr;
        if (target == nullptr || target->isValid()) {
            *why = QStringLiteral("unknown or repeated option '%1'").arg(name);
            return false;
        }
        const QString value = i + 1 < args.size() ? args[i + 1] : QString();
        *target = QDate::fromString(value, Qt::ISODate);
        if (value.size() != 10 || !target->isValid()) {
            *why = QStringLiteral("%1 needs a date such as 2026-03-20").arg(name);
            return false;
        }
    }
    if (from->isValid() && to->isValid() && *from > *to) {
        *why = QStringLiteral("--from is after --to");
        return false;
    }
    return true;
}

int RunExport(const QStringList& args, QTextStream& out, QTextStream& err) {
    QDate from, to;
    QString why;
    if (!ReadRange(args, &from, &to, &why))
        return BadUsage(err, why);
    LogbookStore store;
    if (!QFileInfo::exists(store.Path())) // export never makes a logbook
        return Refused(err, QStringLiteral("there is no logbook yet (%1).")
                                .arg(QDir::toNativeSeparators(store.Path())));
    if (const Status opened = store.Open(); !opened)
        return Refused(err, opened.error().text);
    const Outcome<QByteArray> csv = ExportLogbookCsv(store, from, to);
    if (!csv)
        return Refused(err, csv.error().text);
    out << QString::fromUtf8(csv.value());
    return 0;
}

int RunImport(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 1 || args[0].startsWith(QLatin1String("--")))
        return BadUsage(err, QStringLiteral("import takes one CSV file"));
    const Outcome<QByteArray> bytes =
        ReadWholeFile(args[0], QStringLiteral("Unable to read the file.\n"), kMaxLogbookCsvBytes);
    if (!bytes)
        return Refused(err, args[0] + QStringLiteral(": ") + bytes.error().text);
    LogbookStore store;
    if (const Status opened = store.Open(); !opened)
        return Refused(err, opened.error().text);
    const Outcome<LogbookImport> imported = ImportLogbookCsv(store, bytes.value());
    if (!imported)
        return Refused(err, args[0] + QStringLiteral(": ") + imported.error().text);
    out << LogbookImportText(imported.value()) << " The logbook is "
        << QDir::toNativeSeparators(store.Path()) << ".\n";
    return 0;
}

int RunLogbook(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (!args.isEmpty() && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
        out << kLogbookHelp;
        return 0;
    }
    if (args.isEmpty())
        return BadUsage(err, QStringLiteral("export or import?"));
    const QStringList rest = args.mid(1);
    if (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h"))) {
        out << kLogbookHelp;
        return 0;
    }
    if (args[0] == QLatin1String("export"))
        return RunExport(rest, out, err);
    if (args[0] == QLatin1String("import"))
        return RunImport(rest, out, err);
    return BadUsage(err, QStringLiteral("unknown action '%1'").arg(args[0]));
}

const DataCommandRegistration kLogbook{
    "logbook", kLogbookUsage,
    "print the logbook's flights as CSV, or add those of a CSV file of the same shape",
    &RunLogbook};

} // namespace
