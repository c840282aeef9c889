// trevallion-data nav: inspects .nav navigation data files and builds them from OurAirports data.
#include "DataCommand.h"

#include "core/common/io/FileIo.h"

#include "core/navdata/NavDatabase.h"
#include "core/navdata/NavFileChoice.h"
#include "core/navdata/NavFileWriter.h"
#include "core/navdata/NavJson.h"
#include "core/navdata/OurAirportsImport.h"
#include "core/navdata/ZoneTable.h"

#include <QJsonDocument>

#include <malloc.h>

#include <vector>

namespace {

constexpr char kNavUsage[] =
    "info [FILE] | airport [FILE] IDENT | navaid [FILE] IDENT | search [FILE] TEXT [--navaids] |\n"
    "      build OUTPUT --from FOLDER [--country CC] [--region CC-RR] [--description TEXT]\n"
    "      [--valid-until YYYY-MM-DD] [--zones-on YYYY-MM-DD]";

void Print(QTextStream& out, const QJsonDocument& document) {
    out << document.toJson(QJsonDocument::Indented);
}

int BadUsage(QTextStream& err) {
    err << "Usage: trevallion-data nav " << kNavUsage << '\n';
    return 2;
}

// Opens FILE (the first argument after the action); prints the failure and returns false.
bool Load(NavDatabase& data, const QString& path, QTextStream& err) {
    const Status loaded = data.LoadNavData(path);
    if (!loaded)
        err << loaded.error().text << '\n';
    return loaded.ok();
}

int RunQuery(const QString& action, const QStringList& args, QTextStream& out, QTextStream& err) {
    NavDatabase data; // no settings: the recent lists are not stored
    if (!Load(data, args[0], err))
        return 1;
    if (action == QLatin1String("info")) {
        Print(out, QJsonDocument(NavInfoJson(data)));
        return 0;
    }
    const QString ident = args[1].toUpper(); // as the program's identifier fields do
    if (action == QLatin1String("airport")) {
        if (data.SelectAirport(ident) == 0) {
            err << "Airport " << ident << " not found.\n";
            return 1;
        }
        Print(out, QJsonDocument(AirportJson(data.CurrentAirport())));
        return 0;
    }
    NavAidRecord record;
    QString name;
    if (!data.FindNavAid(ident, &record, &name)) {
        err << "Nav aid " << ident << " not found.\n";
        return 1;
    }
    Print(out, QJsonDocument(NavAidJson(record, name)));
    return 0;
}

// Without FILE the queries read the world file shipped with the program.
QStringList WithShippedFile(QStringList args, qsizetype withFile) {
    if (args.size() == withFile - 1)
        args.prepend(ShippedNavFilePath());
    return args;
}

int RunSearch(QStringList args, QTextStream& out, QTextStream& err) {
    const bool navAids = args.removeAll(QStringLiteral("--navaids")) > 0;
    args = WithShippedFile(args, 2);
    if (args.size() != 2)
        return BadUsage(err);
    NavDatabase data;
    if (!Load(data, args[0], err))
        return 1;
    const QVector<SearchRow> rows =
        navAids ? data.SearchNavAids(args[1]) : data.SearchAirports(args[1]);
    Print(out, QJsonDocument(SearchRowsJson(rows, !navAids)));
    return 0;
}

// Reads "--name value" options; false, with a message naming the option, on an unknown or
// repeated option or a missing value.
struct DateOptions {
    QString validUntil;
    QString zonesOn;
};

bool ReadOptions(const QStringList& args, OurAirportsOptions* options, DateOptions* dates,
                 QTextStream& err) {
    QStringList seen;
    for (qsizetype i = 0; i < args.size(); i += 2) {
        const QString& name = args[i];
        if (i + 1 >= args.size()) {
            err << "trevallion-data nav build: option '" << name << "' needs a value\n";
            return false;
        }
        if (seen.contains(name)) {
            err << "trevallion-data nav build: option '" << name << "' is given more than once\n";
            return false;
        }
        seen.append(name);
        const QString& value = args[i + 1];
        if (name == QLatin1String("--from"))
            options->folder = value;
        else if (name == QLatin1String("--country"))
            options->country = value.toUpper();
        else if (name == QLatin1String("--region"))
            options->region = value.toUpper();
        else if (name == QLatin1String("--description"))
            options->description = value;
        else if (name == QLatin1String("--valid-until"))
            dates->validUntil = value;
        else if (name == QLatin1String("--zones-on"))
            dates->zonesOn = value;
        else {
            err << "trevallion-data nav build: unknown option '" << name << "'\n";
            return false;
        }
    }
    if (options->folder.isEmpty())
        err << "trevallion-data nav build: --from FOLDER is required\n";
    return !options->folder.isEmpty();
}

QString DefaultDescription(const OurAirportsOptions& options) {
    const QString area = !options.region.isEmpty()    ? options.region
                         : !options.country.isEmpty() ? options.country
                                                      : QStringLiteral("World");
    return QStringLiteral("OurAirports ") + area;
}

// The date of a date option; false, with a message, when it is given but no date.
bool ReadDate(const QString& text, const char* option, QDate* date, QTextStream& err) {
    if (text.isEmpty())
        return true;
    *date = QDate::fromString(text, Qt::ISODate);
    if (!date->isValid())
        err << "trevallion-data nav build: " << option << " needs a date as YYYY-MM-DD\n";
    return date->isValid();
}

void PrintZoneWarning(const OurAirportsSummary& summary, QTextStream& err) {
    if (summary.zoneProblem.isEmpty())
        return;
    QString reason = summary.zoneProblem;
    if (reason.startsWith(QLatin1String("Error:\n")))
        reason.remove(0, 7);
    err << "Warning: the airports were given no UTC offsets (0 = not given):\n" << reason << '\n';
}

// The built data set lives until the process ends, which comes right after the file is written:
// freeing its quarter of a million texts and lists one by one takes longer than reading them.
const NavDataSet& KeepUntilExit(NavDataSet data) {
    static auto* const kept = new std::vector<NavDataSet>; // never destroyed, still reachable
    kept->push_back(std::move(data));
    return kept->back();
}

// The build reads files of megabytes one after the other and frees each when it is done with
// it. Kept in the process's heap (instead of given back to the system and taken anew, a page
// fault for every 4 KB touched), freed memory serves the next file and the data set: a tenth of
// the build's time. Blocks larger than the largest file the importer reads are mapped as before.
void KeepFreedMemoryInTheHeap() {
    constexpr int kLargestHeapBlock = 64 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, 4 * kLargestHeapBlock);
}

int RunBuild(const QStringList& args, QTextStream& out, QTextStream& err) {
    OurAirportsOptions options;
    DateOptions dates;
    if (args.isEmpty() || !ReadOptions(args.mid(1), &options, &dates, err))
        return BadUsage(err);
    QDate validUntil;
    if (!ReadDate(dates.validUntil, "--valid-until", &validUntil, err) ||
        !ReadDate(dates.zonesOn, "--zones-on", &options.zoneDay, err))
        return 2;
    options.validityDate = PackValidityDate(validUntil);
    if (validUntil.isValid() && options.validityDate == 0) {
        err << "trevallion-data nav build: --valid-until needs a date as YYYY-MM-DD\n";
        return 2;
    }
    options.zoneTable = SystemZoneTablePath();
    if (options.description.isEmpty())
        options.description = DefaultDescription(options);
    OurAirportsSummary summary;
    KeepFreedMemoryInTheHeap();
    Outcome<NavDataSet> data = ImportOurAirports(options, &summary);
    if (!data) {
        err << data.error().text << '\n';
        return 1;
    }
    PrintZoneWarning(summary, err);
    const NavDataSet& built = KeepUntilExit(std::move(data).value());
    if (const Status folder = RequireParentFolder(args[0]); !folder) {
        err << folder.error().text << '\n';
        return 1;
    }
    if (const Status written = NavFileWriter::Write(args[0], built); !written) {
        err << written.error().text << '\n';
        return 1;
    }
    Print(out, QJsonDocument(QJsonObject{{"file", args[0]},
                                         {"description", options.description},
                                         {"airports", summary.airports},
                                         {"navAids", summary.navAids},
                                         {"airportsWithoutIdent", summary.airportsWithoutIdent},
                                         {"duplicateIdents", summary.duplicateIdents},
                                         {"runwaysDropped", summary.runwaysDropped},
                                         {"utcOffsets", summary.utcOffsets}}));
    return 0;
}

int RunNav(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.isEmpty())
        return BadUsage(err);
    const QString& action = args[0];
    QStringList rest = args.mid(1);
    if (action == QLatin1String("info") || action == QLatin1String("airport") ||
        action == QLatin1String("navaid"))
        rest = WithShippedFile(rest, action == QLatin1String("info") ? 1 : 2);
    if (action == QLatin1String("info") && rest.size() == 1)
        return RunQuery(action, rest, out, err);
    if ((action == QLatin1String("airport") || action == QLatin1String("navaid")) &&
        rest.size() == 2)
        return RunQuery(action, rest, out, err);
    if (action == QLatin1String("search"))
        return RunSearch(rest, out, err);
    if (action == QLatin1String("build"))
        return RunBuild(rest, out, err);
    return BadUsage(err);
}

const DataCommandRegistration kNav{"nav", kNavUsage,
                                   "print a .nav navigation data file as JSON, or build one "
                                   "from OurAirports CSV files",
                                   &RunNav};

} // namespace
