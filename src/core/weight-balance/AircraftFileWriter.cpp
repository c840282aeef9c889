#include "core/weight-balance/AircraftFileWriter.h"

#include "core/common/Utf8String.h"
#include "core/weight-balance/AircraftFileFormat.h"

#include <algorithm>
#include <cmath>

namespace {

int Bounded(int count, int limit) {
    return std::clamp(count, 0, limit);
}

} // namespace

QByteArray AircraftFileWriter::Write(const AircraftFleet& fleet) {
    AircraftFileWriter w;
    w.out_.I32(kAircraftFileVersion);
    w.out_.I32(fleet.nextTypeId);
    w.out_.I32(fleet.nextAircraftId);
    w.out_.I32(static_cast<int32_t>(fleet.types.size()));
    for (const AircraftType& type : fleet.types)
        w.WriteType(type);
    w.out_.I32(static_cast<int32_t>(fleet.aircraft.size()));
    for (const Aircraft& aircraft : fleet.aircraft)
        w.WriteAircraft(aircraft);
    return w.out_.Data();
}

void AircraftFileWriter::WriteType(const AircraftType& t) {
    out_.I32(t.id);
    WriteName(t.name);
    out_.U32(t.lastChange);
    out_.U32(t.flags.bits);
    for (double v : {t.maxRampWeight, t.maxZeroFuelWeight, t.maxTakeoffWeight, t.maxLandingWeight,
                     t.macLeadingEdge, t.macLength, t.trueAirspeed, t.fuelBurn})
        Number(v);
    const int points = Bounded(t.envelopeCount, AircraftType::kMaxEnvelopePoints);
    out_.I32(points);
    for (int i = 0; i < points; ++i) {
        Number(t.envelope[i].weight);
        Number(t.envelope[i].arm);
    }
    if (t.IsRotary()) {
        const int lateral = Bounded(t.lateralCount, AircraftType::kMaxLateralPoints);
        out_.I32(lateral);
        for (int i = 0; i < lateral; ++i) {
            Number(t.lateralEnvelope[i].arm);
            Number(t.lateralEnvelope[i].lateralOffset);
        }
    }
    WriteStations(t);
    WriteTanks(t);
    WriteFuelQuantities(t);
}

void AircraftFileWriter::WriteStations(const AircraftType& t) {
    const int count = Bounded(t.stationCount, AircraftType::kMaxStations);
    out_.I32(count);
    for (int i = 0; i < count; ++i) {
        const Station& s = t.stations[i];
        WriteName(s.name);
        Number(s.maxWeight);
        Number(s.arm);
        if (t.IsRotary())
            Number(s.lateralOffset);
    }
}

void AircraftFileWriter::WriteTanks(const AircraftType& t) {
    const int count = Bounded(t.tankCount, AircraftType::kMaxTanks);
    out_.I32(count);
    for (int i = 0; i < count; ++i) {
        const FuelTank& tank = t.tanks[i];
        WriteName(tank.name);
        Number(tank.capacity);
        Number(tank.arm);
        if (t.IsRotary())
            Number(tank.lateralOffset);
        Number(tank.startupQuantity);
        const int rows = Bounded(tank.rowCount, FuelTank::kMaxRows);
        out_.I32(rows);
        for (int r = 0; r < rows; ++r)
            Number(tank.rowCapacities[r]);
        for (int r = 0; r < rows; ++r)
            Number(tank.rowArms[r]);
    }
}

void AircraftFileWriter::WriteFuelQuantities(const AircraftType& t) {
    const int count = Bounded(t.fuelQuantityCount, AircraftType::kMaxFuelQuantities);
    out_.I32(count);
    for (int i = 0; i < count; ++i) {
        WriteFixedName(out_, t.fuelQuantities[i].title);
        for (double q : t.fuelQuantities[i].quantities)
            Number(q);
    }
}

void AircraftFileWriter::WriteAircraft(const Aircraft& a) {
    out_.I32(a.id);
    out_.I32(a.typeId);
    WriteName(a.ident);
    Number(a.emptyWeight);
    Number(a.emptyArm);
    Number(a.emptyLateralArm);
}

// The reader refuses values that are no finite numbers, so none is ever written.
void AircraftFileWriter::Number(double value) {
    out_.F64(std::isfinite(value) ? value : 0.0);
}

void AircraftFileWriter::WriteName(const QString& name) {
    WriteUtf8String(out_, FitName(name));
}
