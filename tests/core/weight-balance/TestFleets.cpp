#include "TestFleets.h"

#include "core/common/io/ByteWriter.h"
#include "core/weight-balance/AircraftFileFormat.h"

AircraftType C172() {
    return DefaultAircraftFleet().types[0];
}

Aircraft N123A() {
    return DefaultAircraftFleet().aircraft[0];
}

AircraftFleet RichFleet() {
    AircraftFleet fleet = DefaultAircraftFleet();
    AircraftType t;
    t.id = 7;
    t.name = QStringLiteral("Heli°fifteen!!!"); // 15 characters, one outside ASCII
    t.flags.bits = TypeFlags::Rotary | TypeFlags::JetFuel | TypeFlags::WeightInKilograms | 0x100;
    t.lastChange = 771'234'567u;
    t.maxRampWeight = 1500.0;
    t.maxZeroFuelWeight = 1300.0;
    t.maxTakeoffWeight = 1450.0;
    t.maxLandingWeight = 1400.0;
    t.macLeadingEdge = 20.0;
    t.macLength = 60.0;
    t.trueAirspeed = 110.0;
    t.fuelBurn = 45.5;
    t.envelope = {{800.0, 30.0}, {1500.0, 32.0}, {1500.0, 40.0}, {800.0, 41.0}};
    t.lateralEnvelope = {{30.0, -3.5}, {40.0, 3.5}};
    t.stations = {{QStringLiteral("Pilot"), 120.0, 35.0, 1.25},
                  {QStringLiteral("Cargo"), 0.0, 60.0, -0.5}};
    FuelTank tank;
    tank.name = QStringLiteral("Aux");
    tank.capacity = 200.0;
    tank.arm = 50.0;
    tank.lateralOffset = 2.0;
    tank.startupQuantity = 4.5;
    tank.rows = {{0.0, 45.0}, {100.0, 48.0}, {200.0, 52.0}};
    t.tanks = {tank};
    t.fuelQuantities = {{QStringLiteral("Ferry"), {180.0, 0, 0, 0, 0, 0}}};
    fleet.types.append(t);
    fleet.aircraft.append({5, 7, QStringLiteral("D-HABC"), 1000.0, 33.0, 0.25});
    fleet.aircraft.append({6, 7, QStringLiteral("D-HXYZ"), 1010.0, 33.5, -0.25});
    fleet.nextTypeId = 8;
    fleet.nextAircraftId = 9;
    return fleet;
}

namespace {

void WriteOldType(ByteWriter& w, const AircraftType& t) {
    w.I32(t.id);
    WriteFixedName(w, t.name);
    w.U32(t.lastChange);
    w.U32(t.flags.bits);
    for (double v : {t.maxRampWeight, t.maxZeroFuelWeight, t.maxTakeoffWeight, t.maxLandingWeight,
                     t.macLeadingEdge, t.macLength, t.trueAirspeed, t.fuelBurn})
        w.F64(v);
    w.I32(t.envelope.size());
    for (const EnvelopePoint& p : t.envelope) {
        w.F64(p.weight);
        w.F64(p.arm);
    }
    if (t.IsRotary()) {
        w.I32(t.lateralEnvelope.size());
        for (const LateralPoint& p : t.lateralEnvelope) {
            w.F64(p.arm);
            w.F64(p.lateralOffset);
        }
    }
    w.I32(t.stations.size());
    for (const Station& s : t.stations) {
        WriteFixedName(w, s.name);
        // weight, maximum, unused, arm, moment, lateral offset, lateral moment; the working
        // values are not 0 here, as in a file written while a loading was shown
        for (double v : {77.0, s.maxWeight, 1.0, s.arm, 77.0 * s.arm, s.lateralOffset, 3.0})
            w.F64(v);
    }
    w.I32(t.tanks.size());
    for (const FuelTank& tank : t.tanks) {
        WriteFixedName(w, tank.name);
        w.F64(tank.capacity);
        w.F64(tank.arm);
        if (t.IsRotary())
            w.F64(tank.lateralOffset);
        w.F64(tank.startupQuantity);
        w.I32(tank.rows.size());
        for (const TankArmRow& row : tank.rows)
            w.F64(row.capacity);
        for (const TankArmRow& row : tank.rows)
            w.F64(row.arm);
    }
    w.I32(t.fuelQuantities.size());
    for (const FuelQuantity& fq : t.fuelQuantities) {
        WriteFixedName(w, fq.title);
        for (double q : fq.quantities)
            w.F64(q);
    }
}

} // namespace

QByteArray Version5Image(const AircraftFleet& fleet) {
    ByteWriter w;
    w.I32(5);
    w.I32(fleet.nextTypeId);
    w.I32(fleet.nextAircraftId);
    w.I32(static_cast<int32_t>(fleet.types.size()));
    for (const AircraftType& t : fleet.types)
        WriteOldType(w, t);
    w.I32(static_cast<int32_t>(fleet.aircraft.size()));
    for (const Aircraft& a : fleet.aircraft) {
        w.I32(a.id);
        w.I32(a.typeId);
        WriteFixedName(w, a.ident);
        w.F64(a.emptyWeight);
        w.F64(a.emptyArm);
        w.F64(a.emptyLateralArm);
    }
    return w.Data();
}
