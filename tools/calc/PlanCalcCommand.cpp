// trevallion-calc flight-plan: the Flight Planning view's table and totals for a route (or a saved
// .fp plan), one line a row with tab-separated cells, the header first.
#include "CalcCommand.h"

#include "core/calculators/CalcStop.h"
#include "core/common/io/DeviceFolders.h"
#include "core/common/io/FileIo.h"
#include "core/common/text/NumberText.h"
#include "core/navdata/NavDatabase.h"
#include "core/navdata/NavFileChoice.h"
#include "core/navdata/UserWaypointStore.h"
#include "core/planning/FlightPlanComputation.h"
#include "core/planning/FlightPlanFile.h"
#include "core/planning/PlanTable.h"
#include "core/planning/RoutePlaces.h"
#include "core/weight-balance/AircraftFileReader.h"
#include "core/weight-balance/AircraftStore.h"

#include <QCoreApplication>
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

CalcResult FlightPlanTable(const CalcArgs& a) {
    LocateProgramFolder(QCoreApplication::applicationDirPath());
    const Outcome<PlanInputs> inputs = Inputs(a);
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
    const Outcome<PlanComputation> plan =
        ComputeFlightPlan(inputs.value(), burn.value(), RoutePlaces(&waypoints, &nav));
    if (!plan)
        return StopWith(plan.error());
    CalcResult result;
    QStringList header;
    for (const PlanColumn& column : PlanColumns())
        header << QString::fromUtf8(column.heading);
    result.Add({}, header.join('\t'));
    for (const QStringList& row : PlanTableRows(plan->plan))
        result.Add({}, row.join('\t'));
    if (const QString totals = PlanTotalsText(plan->plan); !totals.isEmpty())
        result.Add({}, totals);
    QStringList notices;
    for (const Message& notice : plan->notices)
        notices << notice.text;
    if (!notices.isEmpty())
        result.notice = Message{notices.join('\n'), MessageIcon::Information};
    return result;
}

const CalcCommandRegistration kFlightPlan{{"flight-plan",
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
                                            {"fp", "Flight plan file"}},
                                           FlightPlanTable,
                                           false,
                                           {"magnetic"},
                                           true}};

} // namespace
