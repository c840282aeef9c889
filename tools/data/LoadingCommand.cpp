// trevallion-data loading: the computed loading of a .wb file (or weight.txt) as JSON, so that a
// saved loading can be checked or archived without the screen.
#include "DataCommand.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/io/FileIo.h"
#include "core/common/settings/AppSettings.h"
#include "core/common/settings/IniSettingsStore.h"
#include "core/weight-balance/AircraftFileReader.h"
#include "core/weight-balance/FuelSelection.h"
#include "core/weight-balance/LoadingComputation.h"
#include "core/weight-balance/LoadingFile.h"
#include "core/weight-balance/LoadingText.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

constexpr char kLoadingUsage[] =
    "FILE.wb [--aircraft-file aircraft.db] [--jet-density N] [--avgas-density N] "
    "[--density-unit lbs-per-gallon|kg-per-litre]";

// The options of the command: the loading file and what overrides the user's settings.
struct LoadingOptions {
    QString loadingFile;
    QString aircraftFile;
    AppSettings settings;
};

// Reads the options over the fuel densities of the user's preferences, as the program uses them.
// Fails with the usage problem.
Outcome<LoadingOptions> ReadLoadingOptions(const QStringList& args) {
    LoadingOptions o;
    o.settings = ReadAppSettings(IniSettingsStore(IniSettingsStore::DefaultPath()));
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            if (!o.loadingFile.isEmpty())
                return Outcome<LoadingOptions>::Fail(QStringLiteral("one loading file only"));
            o.loadingFile = arg;
            continue;
        }
        if (i + 1 >= args.size())
            return Outcome<LoadingOptions>::Fail(arg + QStringLiteral(" needs a value"));
        const QString& value = args[++i];
        bool number = false;
        const double density = value.toDouble(&number);
        const bool densityOk = number && std::isfinite(density) && density > 0;
        if (arg == QLatin1String("--aircraft-file"))
            o.aircraftFile = value;
        else if (arg == QLatin1String("--jet-density") && densityOk)
            o.settings.jetDensity = density;
        else if (arg == QLatin1String("--avgas-density") && densityOk)
            o.settings.avgasDensity = density;
        else if (arg == QLatin1String("--density-unit") &&
                 (value == QLatin1String("lbs-per-gallon") ||
                  value == QLatin1String("kg-per-litre")))
            o.settings.kilosPerLitre = value == QLatin1String("kg-per-litre");
        else
            return Outcome<LoadingOptions>::Fail(QStringLiteral("bad option ") + arg + ' ' + value);
    }
    if (o.loadingFile.isEmpty())
        return Outcome<LoadingOptions>::Fail(QStringLiteral("no loading file"));
    return o;
}

// The fleet of the aircraft file given, else of the user's aircraft.db, else the default one.
Outcome<AircraftFleet> ReadFleet(QString path) {
    if (path.isEmpty()) {
        path = DataFolder() + QStringLiteral("aircraft.db");
        if (!QFileInfo::exists(path))
            return DefaultAircraftFleet();
    }
    const Outcome<QByteArray> bytes =
        ReadWholeFile(path, QStringLiteral("Error: Unable to read the file.\n"), kMaxDataFileBytes);
    if (!bytes)
        return bytes.error();
    Outcome<AircraftFileContents> read = AircraftFileReader::Read(bytes.value());
    if (!read)
        return read.error();
    return std::move(read.value().fleet);
}

QJsonObject Phase(double weight, double cg, bool within) {
    return QJsonObject{{"weight", weight}, {"cg", cg}, {"withinLimits", within}};
}

QJsonObject Phase(double weight, double cg, double mac, bool within) {
    QJsonObject o = Phase(weight, cg, within);
    o.insert("percentMac", mac);
    return o;
}

QJsonObject LoadingObject(const WorkingLoading& w, const ComputedLoading& c) {
    const LoadingResults& r = c.results;
    const PhaseLimits& p = c.limits.phases;
    const bool kilograms = w.type.flags.Has(TypeFlags::WeightInKilograms);
    return QJsonObject{{"aircraft", w.aircraft.ident},
                       {"type", w.type.name},
                       {"fuel", FuelSelectionName(w.type, w.loading.fuelSelection)},
                       {"weightUnit", kilograms ? "kg" : "lbs"},
                       {"rampFuelWeight", r.rampFuelWeight},
                       {"zeroFuel", Phase(r.zeroFuelWeight, r.zeroFuelCg, p.zeroFuel)},
                       {"ramp", Phase(r.rampWeight, r.rampCg, r.rampMac, p.ramp)},
                       {"takeoff", Phase(r.takeoffWeight, r.takeoffCg, r.takeoffMac, p.takeoff)},
                       {"landing", Phase(r.landingWeight, r.landingCg, r.landingMac, p.landing)},
                       {"withinLimits", c.limits.withinLimits},
                       {"message", c.limits.message}};
}

int RunLoading(const QStringList& args, QTextStream& out, QTextStream& err) {
    const Outcome<LoadingOptions> options = ReadLoadingOptions(args);
    if (!options) {
        err << "trevallion-data loading: " << options.error().text
            << "\nUsage: trevallion-data loading " << kLoadingUsage << '\n';
        return 2;
    }
    const QString& aircraftFile = options.value().aircraftFile;
    const QString& loadingFile = options.value().loadingFile;
    const auto fail = [&](const QString& file, const QString& text) {
        err << "trevallion-data: " << file << ":\n" << text << '\n';
        return 1;
    };
    const Outcome<AircraftFleet> fleet = ReadFleet(aircraftFile);
    if (!fleet)
        return fail(aircraftFile.isEmpty() ? QStringLiteral("aircraft.db") : aircraftFile,
                    fleet.error().text);
    const Outcome<QString> text = ReadLoadingFile(loadingFile);
    if (!text)
        return fail(loadingFile, text.error().text);
    const Outcome<std::optional<WorkingLoading>> applied =
        ApplyLoadingText(text.value(), fleet.value());
    if (!applied)
        return fail(loadingFile, applied.error().text);
    if (!applied.value())
        return fail(loadingFile,
                    QStringLiteral("The file names no aircraft (no \"Aircraft=\" line)."));
    const WorkingLoading& w = *applied.value();
    const ComputedLoading computed =
        ComputeLoading(w.type, w.aircraft, w.loading, options.value().settings);
    out << QJsonDocument(LoadingObject(w, computed)).toJson(QJsonDocument::Indented);
    return 0;
}

const DataCommandRegistration kLoading{
    "loading", kLoadingUsage,
    "print the computed loading of a .wb file (weights, CGs, % MAC, limits) as JSON, with the "
    "fleet of an aircraft.db (default: the user's, else the default fleet) and the fuel "
    "densities of the user's preferences unless given",
    &RunLoading};

} // namespace
