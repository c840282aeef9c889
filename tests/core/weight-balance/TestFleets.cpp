#include "TestFleets.h"

#include "core/common/ByteWriter.h"
#include "core/weight-balance/AircraftFileFormat.h"

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
    t.envelope[0] = {800.0, 30.0};
    t.envelope[1] = {1500.0, 32.0};
    t.envelope[2] = {1500.0, 40.0};
    t.envelope[3] = {800.0, 41.0};
    t.envelopeCount = 4;
    t.lateralEnvelope[0] = {30.0, -3.5};
    t.lateralEnvelope[1] = {40.0, 3.5};
    t.lateralCount = 2;
    t.stations[0] = {QStringLiteral("Pilot"), 0.0, 120.0, 35.0, 0.0, 1.25, 0.0};
    t.stations[1] = {QStringLiteral("Cargo"), 0.0, 0.0, 60.0, 0.0, -0.5, 0.0};
    t.stationCount = 2;
    FuelTank& tank = t.tanks[0];
    tank.name = QStringLiteral("Aux");
    tank.capacity = 200.0;
    tank.arm = 50.0;
    tank.lateralOffset = 2.0;
    tank.startupQuantity = 4.5;
    tank.rowCount = 3;
    tank.rowCapacities = {0.0, 100.0, 200.0};
    tank.rowArms = {45.0, 48.0, 52.0};
    t.tankCount = 1;
    t.fuelQuantities[0].title = QStringLiteral("Ferry");
    t.fuelQuantities[0].quantities = {180.0, 0, 0, 0, 0, 0};
    t.fuelQuantityCount = 1;
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
    w.I32(t.envelopeCount);
    for (int i = 0; i < t.envelopeCount; ++i) {
        w.F64(t.envelope[i].weight);
        w.F64(t.envelope[i].arm);
    }
    if (t.IsRotary()) {
        w.I32(t.lateralCount);
        for (int i = 0; i < t.lateralCount; ++i) {
            w.F64(t.lateralEnvelope[i].arm);
            w.F64(t.lateralEnvelope[i].lateralOffset);
        }
    }
    w.I32(t.stationCount);
    for (int i = 0; i < t.stationCount; ++i) {
        const Station& s = t.stations[i];
        WriteFixedName(w, s.name);
        // weight, maximum, unused, arm, moment, lateral offset, lateral moment; the working
        // values are not 0 here, as in a file written while a loading was shown
        for (double v : {77.0, s.maxWeight, 1.0, s.arm, 77.0 * s.arm, s.lateralOffset, 3.0})
            w.F64(v);
    }
    w.I32(t.tankCount);
    for (int i = 0; i < t.tankCount; ++i) {
        const FuelTank& tank = t.tanks[i];
        WriteFixedName(w, tank.name);
        w.F64(tank.capacity);
        w.F64(tank.arm);
        if (t.IsRotary())
            w.F64(tank.lateralOffset);
        w.F64(tank.startupQuantity);
        w.I32(tank.rowCount);
        for (int r = 0; r < tank.rowCount; ++r)
            w.F64(tank.rowCapacities[r]);
        for (int r = 0; r < tank.rowCount; ++r)
            w.F64(tank.rowArms[r]);
    }
    w.I32(t.fuelQuantityCount);
    for (int i = 0; i < t.fuelQuantityCount; ++i) {
        WriteFixedName(w, t.fuelQuantities[i].title);
        for (double q : t.fuelQuantities[i].quantities)
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
