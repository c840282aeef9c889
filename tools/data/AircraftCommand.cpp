// trevallion-data aircraft: the fleet of an aircraft.db (or the default fleet) as JSON.
#include "DataCommand.h"

#include "core/common/io/FileIo.h"
#include "core/weight-balance/AircraftFileReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr char kAircraftUsage[] = "FILE | --default";

QJsonArray Envelope(const AircraftType& t) {
    QJsonArray points;
    for (const EnvelopePoint& p : t.envelope)
        points.append(QJsonObject{{"weight", p.weight}, {"arm", p.arm}});
    return points;
}

QJsonArray LateralEnvelope(const AircraftType& t) {
    QJsonArray points;
    for (const LateralPoint& p : t.lateralEnvelope)
        points.append(QJsonObject{{"arm", p.arm}, {"lateralOffset", p.lateralOffset}});
    return points;
}

QJsonArray Stations(const AircraftType& t) {
    QJsonArray stations;
    for (const Station& s : t.stations) {
        QJsonObject o{{"name", s.name}, {"maxWeight", s.maxWeight}, {"arm", s.arm}};
        if (t.IsRotary())
            o.insert("lateralOffset", s.lateralOffset);
        stations.append(o);
    }
    return stations;
}

QJsonArray Tanks(const AircraftType& t) {
    QJsonArray tanks;
    for (const FuelTank& tank : t.tanks) {
        QJsonArray rows;
        for (const TankArmRow& row : tank.rows)
            rows.append(QJsonObject{{"capacity", row.capacity}, {"arm", row.arm}});
        QJsonObject o{{"name", tank.name},
                      {"capacity", tank.capacity},
                      {"arm", tank.arm},
                      {"startupQuantity", tank.startupQuantity},
                      {"armTable", rows}};
        if (t.IsRotary())
            o.insert("lateralOffset", tank.lateralOffset);
        tanks.append(o);
    }
    return tanks;
}

QJsonArray FuelQuantities(const AircraftType& t) {
    QJsonArray list;
    for (const FuelQuantity& fq : t.fuelQuantities) {
        QJsonArray quantities;
        for (double q : fq.quantities)
            quantities.append(q);
        list.append(QJsonObject{{"title", fq.title}, {"quantities", quantities}});
    }
    return list;
}

QJsonObject TypeObject(const AircraftType& t) {
    QJsonObject o{{"id", t.id},
                  {"name", t.name},
                  {"lastChange", static_cast<qint64>(t.lastChange)},
                  {"flags", static_cast<qint64>(t.flags.bits)},
                  {"maxRampWeight", t.maxRampWeight},
                  {"maxZeroFuelWeight", t.maxZeroFuelWeight},
                  {"maxTakeoffWeight", t.maxTakeoffWeight},
                  {"maxLandingWeight", t.maxLandingWeight},
                  {"macLeadingEdge", t.macLeadingEdge},
                  {"macLength", t.macLength},
                  {"trueAirspeed", t.trueAirspeed},
                  {"fuelBurn", t.fuelBurn},
                  {"envelope", Envelope(t)},
                  {"stations", Stations(t)},
                  {"tanks", Tanks(t)},
                  {"fuelQuantities", FuelQuantities(t)}};
    if (t.IsRotary())
        o.insert("lateralEnvelope", LateralEnvelope(t));
    return o;
}

QJsonObject FleetObject(const AircraftFleet& fleet, int version) {
    QJsonArray types;
    for (const AircraftType& t : fleet.types)
        types.append(TypeObject(t));
    QJsonArray aircraft;
    for (const Aircraft& a : fleet.aircraft)
        aircraft.append(QJsonObject{{"id", a.id},
                                    {"typeId", a.typeId},
                                    {"ident", a.ident},
                                    {"emptyWeight", a.emptyWeight},
                                    {"emptyArm", a.emptyArm},
                                    {"emptyLateralArm", a.emptyLateralArm}});
    return QJsonObject{{"version", version},
                       {"nextTypeId", fleet.nextTypeId},
                       {"nextAircraftId", fleet.nextAircraftId},
                       {"types", types},
                       {"aircraft", aircraft}};
}

int RunAircraft(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 1) {
        err << "Usage: trevallion-data aircraft " << kAircraftUsage << '\n';
        return 2;
    }
    AircraftFileContents contents{6, DefaultAircraftFleet()};
    if (args[0] != QLatin1String("--default")) {
        const Outcome<QByteArray> bytes = ReadWholeFile(
            args[0], QStringLiteral("Error: Unable to read the file.\n"), kMaxDataFileBytes);
        Outcome<AircraftFileContents> read = bytes ? AircraftFileReader::Read(bytes.value())
                                                   : Outcome<AircraftFileContents>(bytes.error());
        if (!read) {
            err << "trevallion-data: " << args[0] << ":\n" << read.error().text << '\n';
            return 1;
        }
        contents = std::move(read.value());
    }
    out << QJsonDocument(FleetObject(contents.fleet, contents.version))
               .toJson(QJsonDocument::Indented);
    return 0;
}

const DataCommandRegistration kAircraft{
    "aircraft", kAircraftUsage,
    "print the aircraft types and aircraft of an aircraft.db, or the default fleet, as JSON",
    &RunAircraft};

} // namespace
