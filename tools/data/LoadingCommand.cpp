// trevallion-data loading: the computed loading of a .wb file (or weight.txt) as JSON, so that a
// saved loading can be checked or archived without the screen.
#include "DataCommand.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/io/FileIo.h"
#include "core/common/settings/AppSettings.h"
#include "core/weight-balance/AircraftFileReader.h"
#include "core/weight-balance/FuelSelection.h"
#include "core/weight-balance/LoadingComputation.h"
#include "core/weight-balance/LoadingFile.h"
#include "core/weight-balance/LoadingText.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr char kLoadingUsage[] = "FILE.wb [--aircraft-file aircraft.db]";

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
    QString aircraftFile;
    if (args.size() == 3 && args[1] == QLatin1String("--aircraft-file"))
        aircraftFile = args[2];
    else if (args.size() != 1) {
        err << "Usage: trevallion-data loading " << kLoadingUsage << '\n';
        return 2;
    }
    const auto fail = [&](const QString& file, const QString& text) {
        err << "trevallion-data: " << file << ":\n" << text << '\n';
        return 1;
    };
    const Outcome<AircraftFleet> fleet = ReadFleet(aircraftFile);
    if (!fleet)
        return fail(aircraftFile.isEmpty() ? QStringLiteral("aircraft.db") : aircraftFile,
                    fleet.error().text);
    const Outcome<QString> text = ReadLoadingFile(args[0]);
    if (!text)
        return fail(args[0], text.error().text);
    const Outcome<std::optional<WorkingLoading>> applied =
        ApplyLoadingText(text.value(), fleet.value());
    if (!applied)
        return fail(args[0], applied.error().text);
    if (!applied.value())
        return fail(args[0], QStringLiteral("The file names no aircraft (no \"Aircraft=\" line)."));
    const WorkingLoading& w = *applied.value();
    const ComputedLoading computed = ComputeLoading(w.type, w.aircraft, w.loading, AppSettings());
    out << QJsonDocument(LoadingObject(w, computed)).toJson(QJsonDocument::Indented);
    return 0;
}

const DataCommandRegistration kLoading{
    "loading", kLoadingUsage,
    "print the computed loading of a .wb file (weights, CGs, % MAC, limits) as JSON, with the "
    "fleet of an aircraft.db (default: the user's, else the default fleet)",
    &RunLoading};

} // namespace
