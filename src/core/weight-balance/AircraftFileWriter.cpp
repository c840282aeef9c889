#include "core/weight-balance/AircraftFileWriter.h"

#include "core/common/text/Utf8String.h"
#include "core/weight-balance/AircraftFileFormat.h"

#include <cmath>

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
    out_.I32(t.envelope.size());
    for (const EnvelopePoint& p : t.envelope) {
        Number(p.weight);
        Number(p.arm);
    }
    if (t.IsRotary()) {
        out_.I32(t.lateralEnvelope.size());
        for (const LateralPoint& p : t.lateralEnvelope) {
            Number(p.arm);
            Number(p.lateralOffset);
        }
    }
    WriteStations(t);
    WriteTanks(t);
    WriteFuelQuantities(t);
}

void AircraftFileWriter::WriteStations(const AircraftType& t) {
    out_.I32(t.stations.size());
    for (const Station& s : t.stations) {
        WriteName(s.name);
        Number(s.maxWeight);
        Number(s.arm);
        if (t.IsRotary())
            Number(s.lateralOffset);
    }
}

void AircraftFileWriter::WriteTanks(const AircraftType& t) {
    out_.I32(t.tanks.size());
    for (const FuelTank& tank : t.tanks) {
        WriteName(tank.name);
        Number(tank.capacity);
        Number(tank.arm);
        if (t.IsRotary())
            Number(tank.lateralOffset);
        Number(tank.startupQuantity);
        out_.I32(tank.rows.size());
        for (const TankArmRow& row : tank.rows)
            Number(row.capacity);
        for (const TankArmRow& row : tank.rows)
            Number(row.arm);
    }
}

void AircraftFileWriter::WriteFuelQuantities(const AircraftType& t) {
    out_.I32(t.fuelQuantities.size());
    for (const FuelQuantity& fq : t.fuelQuantities) {
        WriteFixedName(out_, fq.title);
        for (double q : fq.quantities)
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
