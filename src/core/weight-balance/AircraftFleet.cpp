#include "core/weight-balance/AircraftFleet.h"

#include <algorithm>

namespace {

AircraftType DefaultType() {
    AircraftType t;
    t.id = 1;
    t.name = QStringLiteral("C172");
    t.maxRampWeight = 2400.0;
    t.maxTakeoffWeight = 2400.0;
    t.maxLandingWeight = 2400.0;
    t.trueAirspeed = 100.0;
    t.fuelBurn = 9.0;

    const EnvelopePoint envelope[] = {
        {1500.0, 35.0}, {1950.0, 35.0}, {2400.0, 39.0}, {2400.0, 47.0}, {1500.0, 47.0}};
    for (const EnvelopePoint& p : envelope)
        t.envelope.append(p);

    const struct {
        const char* name;
        double arm, maxWeight;
    } stations[] = {{"Pilot seat", 37.0, 0.0},  {"Right seat", 37.0, 0.0},
                    {"Rear left", 73.0, 0.0},   {"Rear right", 73.0, 0.0},
                    {"Baggage 1", 95.0, 150.0}, {"Baggage 2", 123.0, 50.0}};
    for (const auto& s : stations) {
        Station station;
        station.name = QString::fromLatin1(s.name);
        station.arm = s.arm;
        station.maxWeight = s.maxWeight;
        t.stations.append(station);
    }

    FuelTank tank;
    tank.name = QStringLiteral("Main fuel");
    tank.capacity = 50.0;
    tank.arm = 48.0;
    tank.startupQuantity = 2.0;
    t.tanks.append(tank);
    return t;
}

} // namespace

AircraftFleet DefaultAircraftFleet() {
    AircraftFleet fleet;
    fleet.types.append(DefaultType());
    Aircraft a;
    a.id = 1;
    a.typeId = 1;
    a.ident = QStringLiteral("N123A");
    a.emptyWeight = 1550.0;
    a.emptyArm = 39.0;
    fleet.aircraft.append(a);
    fleet.nextTypeId = 2;
    fleet.nextAircraftId = 2;
    return fleet;
}

const AircraftType* FindFleetType(const AircraftFleet& fleet, int id) {
    const auto it = std::find_if(fleet.types.begin(), fleet.types.end(),
                                 [id](const AircraftType& t) { return t.id == id; });
    return it == fleet.types.end() ? nullptr : &*it;
}

const Aircraft* FindFleetAircraft(const AircraftFleet& fleet, const QString& ident) {
    const auto it = std::find_if(fleet.aircraft.begin(), fleet.aircraft.end(),
                                 [&](const Aircraft& a) { return a.ident == ident; });
    return it == fleet.aircraft.end() ? nullptr : &*it;
}
