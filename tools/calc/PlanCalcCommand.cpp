// trevallion-calc flight-plan: the Flight Planning view's table and totals for a route (or a saved
// .fp plan, or the route of an .fpl or GPX file), one line a row with tab-separated cells, the
// header first; the plan can be written as an .fpl file and as a GPX route too.
#include "CalcCommand.h"

#include "core/calculators/CalcStop.h"
#include "core/common/io/DeviceFolders.h"
#include "core/common/io/FileIo.h"
#include "core/common/text/CoordinateText.h"
#include "core/common/text/NumberText.h"
#include "core/navdata/NavDatabase.h"
#include "core/navdata/NavFileChoice.h"
#include "core/navdata/UserWaypointStore.h"
#include "core/planning/FlightPlanComputation.h"
#include "core/planning/FlightPlanFile.h"
#include "core/planning/PlanExchangeFile.h"
#include "core/planning/PlanImport.h"
#include "core/planning/PlanTable.h"
#include "core/planning/RoutePlaces.h"
#include "core/weight-balance/AircraftFileReader.h"
#include "core/weight-balance/AircraftStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

namespace {

// The fleet of the file given, else the user's, else the default one.
Outcome<AircraftFleet> ReadFleet(const QString& path) {
    if (path.isEmpty()) {
        AircraftStore store;
        const Status loaded = store.LoadAircraftFile();
        if (!loaded.ok())
            return loaded.error();
        return store.Fleet();
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

// The fuel burn per hour: given, or the type's (named, or the plan's).
Outcome<double> FuelBurn(const CalcArgs& a, const QString& typeName) {
    if (a.Has("fuel-burn"))
        return TextToDouble(a.Text("fuel-burn"));
    if (typeName.isEmpty())
        return 0.0;
    const Outcome<AircraftFleet> fleet = ReadFleet(a.Text("aircraft-file"));
    if (!fleet)
        return fleet.error();
    for (const AircraftType& type : fleet->types)
        if (type.name == typeName)
            return type.fuelBurn;
    if (!a.Has("aircraft-type")) // the saved plan's type
        return Message{QString::fromLatin1(kUnknownPlanAircraftText).trimmed(), MessageIcon::None};
    return Message{QStringLiteral("Unknown aircraft type ") + typeName + '.',
                   MessageIcon::Information};
}

// The plan's inputs: the saved plan's, with every option given taking the place of its field.
Outcome<PlanInputs> Inputs(const CalcArgs& a) {
    PlanInputs inputs;
    if (a.Has("fp")) {
        const Outcome<QString> text = ReadFlightPlanFile(a.Text("fp"));
        if (!text)
            return text.error();
        inputs = ParseFlightPlanText(text.value());
    }
    const auto take = [&a](const char* key, QString* field) {
        if (a.Has(key))
            *field = a.Text(key);
    };
    take("route", &inputs.route);
    take("tas", &inputs.tas);
    take("wind-direction", &inputs.windDirection);
    take("wind-speed", &inputs.windSpeed);
    take("aircraft-type", &inputs.aircraft);
    if (a.Has("magnetic"))
        inputs.magnetic = true;
    return inputs;
}

QString NavPath(const CalcArgs& a) {
    if (a.Has("nav"))
        return a.Text("nav");
    return QFileInfo::exists(DefaultNavFilePath()) ? DefaultNavFilePath() : ShippedNavFilePath();
}

// "HOME 47:30:00 N 122:00:00 W, ..." for the waypoints an import would add.
QString NewWaypointsText(const QVector<UserWaypoint>& waypoints) {
    QStringList texts;
    for (const UserWaypoint& w : waypoints)
        texts << w.ident + ' ' + LatitudeText(w.latitude, true) + ' ' +
                     LongitudeText(w.longitude, true);
    return texts.join(QStringLiteral(", "));
}

// --import: the file's route takes the place of the route; the points no known place has become
// user waypoints, with --add-waypoints only.
Status ImportRoute(const CalcArgs& a, UserWaypointStore& waypoints, NavDatabase& nav,
                   PlanInputs* inputs, QVector<PlacePick>* picks, QStringList* notices) {
    const Outcome<ExchangeRoute> route = ReadPlanExchangeFile(a.Text("import"));
    if (!route)
        return route.error();
    const PlanImport import = ResolvePlanImport(route.value(), &waypoints, &nav);
    if (!import.newWaypoints.isEmpty() && !a.Has("add-waypoints"))
        return Message{QStringLiteral("The plan has points that are no user waypoints yet: ") +
                           NewWaypointsText(import.newWaypoints) +
                           QStringLiteral(".\n--add-waypoints adds them to the user waypoints."),
                       MessageIcon::Information};
    if (Status added = CommitPlanImport(import, waypoints); !added)
        return added;
    inputs->route = import.route;
    *picks = import.picks;
    for (const Message& notice : import.notices)
        *notices << notice.text;
    if (!import.newWaypoints.isEmpty())
        *notices << QStringLiteral("New user waypoints: ") + NewWaypointsText(import.newWaypoints);
    return {};
}

// --export-fpl and --export-gpx: the plan written in each format asked for.
Status ExportPlan(const CalcArgs& a, const FlightPlan& plan) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const auto& [key, format] : {std::pair{"export-fpl", PlanFileFormat::Fpl},
                                      std::pair{"export-gpx", PlanFileFormat::Gpx}}) {
        if (!a.Has(key))
            continue;
        if (Status folder = RequireParentFolder(a.Text(key)); !folder)
            return folder;
        if (Status written = WritePlanExchangeFile(a.Text(key), format, plan, now); !written)
            return written;
    }
    return {};
}

CalcResult PlanTableResult(const PlanComputation& plan, QStringList notices) {
    CalcResult result;
    QStringList header;
    for (const PlanColumn& column : PlanColumns())
        header << QString::fromUtf8(column.heading);
    result.Add({}, header.join('\t'));
    for (const QStringList& row : PlanTableRows(plan.plan))
        result.Add({}, row.join('\t'));
    if (const QString totals = PlanTotalsText(plan.plan); !totals.isEmpty())
        result.Add({}, totals);
    for (const Message& notice : plan.notices)
        notices << notice.text;
    if (!notices.isEmpty())
        result.notice = Message{notices.join('\n'), MessageIcon::Information};
    return result;
}

CalcResult FlightPlanTable(const CalcArgs& a) {
    LocateProgramFolder(QCoreApplication::applicationDirPath());
    if (a.Has("import") && a.Has("route")) {
        a.ReportUsage(QStringLiteral("--import takes the place of --route: give one of them"));
        return {};
    }
    Outcome<PlanInputs> inputs = Inputs(a);
    if (!inputs)
        return StopWith(inputs.error());
    if (const Status wind = CheckPlanWind(inputs.value()); !wind)
        return StopWith(wind.error());
    const Outcome<double> burn = FuelBurn(a, inputs->aircraft);
    if (!burn)
        return StopWith(burn.error());
    NavDatabase nav;
    if (const Status loaded = nav.LoadNavData(NavPath(a)); !loaded)
        return StopWith(loaded.error());
    UserWaypointStore waypoints(
        a.Has("waypoints") ? a.Text("waypoints") : UserWaypointStore::DefaultPath(), QString());
    if (const Status loaded = waypoints.LoadUserWaypoints(); !loaded)
        return StopWith(loaded.error());
    QVector<PlacePick> picks;
    QStringList notices;
    if (a.Has("import"))
        if (const Status imported =
                ImportRoute(a, waypoints, nav, &inputs.value(), &picks, &notices);
            !imported)
            return StopWith(imported.error());
    const Outcome<PlanComputation> plan =
        ComputeFlightPlan(inputs.value(), burn.value(), RoutePlaces(&waypoints, &nav, picks));
    if (!plan)
        return StopWith(plan.error());
    if (const Status exported = ExportPlan(a, plan->plan); !exported)
        return StopWith(exported.error());
    return PlanTableResult(plan.value(), notices);
}

const CalcCommandRegistration kFlightPlan{
    {"flight-plan",
     "Flight Planning",
     {{"route", "Route"},
      {"tas", "TAS"},
      {"wind-direction", "Wind"},
      {"wind-speed", "Wind speed"},
      {"magnetic", "Mag"},
      {"fuel-burn", "Fuel burn"},
      {"aircraft-type", "Aircraft"},
      {"nav", "Navigation data file"},
      {"waypoints", "User waypoints file"},
      {"aircraft-file", "Aircraft file"},
      {"fp", "Flight plan file"},
      {"import", "Route of an .fpl or GPX file"},
      {"add-waypoints", "Add its new points as user waypoints"},
      {"export-fpl", "Write the plan as an .fpl file"},
      {"export-gpx", "Write the plan as a GPX route"}},
     FlightPlanTable,
     false,
     {"magnetic", "add-waypoints"},
     true}};

} // namespace
