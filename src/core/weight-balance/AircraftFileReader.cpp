#include "core/weight-balance/AircraftFileReader.h"

#include "core/common/text/Utf8String.h"
#include "core/weight-balance/AircraftFileFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The fewest bytes a type or an aircraft can take, so that a count can be checked against the
// rest of the file before anything is allocated for it.
constexpr qsizetype kMinTypeBytes = 4 + 5 + 4 + 4 + 8 * 8 + 4 * 4;
constexpr qsizetype kMinAircraftBytes = 4 + 4 + 5 + 3 * 8;

// An id in use leaves room for the next one.
bool ValidId(int id) {
    return id >= 1 && id < std::numeric_limits<int>::max();
}

} // namespace

QString AircraftFileReader::InvalidVersionText() {
    return QStringLiteral("Error: Invalid aircraft data file version.");
}

QString AircraftFileReader::DamagedText() {
    return QStringLiteral("Error: The aircraft data file is damaged and was not read.\n"
                          "The default aircraft are used and the damaged file is kept (as "
                          "aircraft.db.bad once the aircraft are saved).");
}

Outcome<AircraftFileContents> AircraftFileReader::Read(const QByteArray& bytes) {
    AircraftFileReader reader(bytes);
    AircraftFileContents contents;
    contents.version = reader.in_.I32();
    if (!reader.in_.Ok())
        return Outcome<AircraftFileContents>::Fail(DamagedText());
    if (contents.version != kAircraftFileVersion && contents.version != kAircraftFileOldVersion)
        return Outcome<AircraftFileContents>::Fail(InvalidVersionText());
    reader.version_ = contents.version;
    if (!reader.ReadFleet(contents.fleet))
        return Outcome<AircraftFileContents>::Fail(DamagedText());
    return contents;
}

bool AircraftFileReader::ReadFleet(AircraftFleet& fleet) {
    fleet.nextTypeId = in_.I32();
    fleet.nextAircraftId = in_.I32();
    const int typeCount = ReadCount(static_cast<int>(in_.Remaining() / kMinTypeBytes));
    for (int i = 0; i < typeCount && in_.Ok(); ++i) {
        AircraftType type;
        if (ReadType(type))
            fleet.types.append(type);
    }
    const int aircraftCount = ReadCount(static_cast<int>(in_.Remaining() / kMinAircraftBytes));
    for (int i = 0; i < aircraftCount && in_.Ok(); ++i) {
        Aircraft aircraft;
        if (ReadAircraft(aircraft))
            fleet.aircraft.append(aircraft);
    }
    if (!in_.Ok())
        return false;
    // Ids are 1 and up (0 means "none"); a damaged counter must not hand out an id in use.
    for (const AircraftType& t : fleet.types) {
        if (!ValidId(t.id))
            return false;
        fleet.nextTypeId = std::max(fleet.nextTypeId, t.id + 1);
    }
    for (const Aircraft& a : fleet.aircraft) {
        if (!ValidId(a.id))
            return false;
        fleet.nextAircraftId = std::max(fleet.nextAircraftId, a.id + 1);
    }
    fleet.nextTypeId = std::max(fleet.nextTypeId, 1);
    fleet.nextAircraftId = std::max(fleet.nextAircraftId, 1);
    return true;
}

bool AircraftFileReader::ReadType(AircraftType& t) {
    t.id = in_.I32();
    t.name = ReadName();
    t.lastChange = in_.U32();
    t.flags.bits = in_.U32();
    t.maxRampWeight = ReadNumber();
    t.maxZeroFuelWeight = ReadNumber();
    t.maxTakeoffWeight = ReadNumber();
    t.maxLandingWeight = ReadNumber();
    t.macLeadingEdge = ReadNumber();
    t.macLength = ReadNumber();
    t.trueAirspeed = ReadNumber();
    t.fuelBurn = ReadNumber();
    ReadEnvelopes(t);
    ReadStations(t);
    ReadTanks(t);
    ReadFuelQuantities(t);
    return in_.Ok();
}

void AircraftFileReader::ReadEnvelopes(AircraftType& t) {
    t.envelope.resize(ReadCount(AircraftType::kMaxEnvelopePoints));
    for (EnvelopePoint& p : t.envelope) {
        p.weight = ReadNumber();
        p.arm = ReadNumber();
    }
    if (!t.IsRotary())
        return;
    t.lateralEnvelope.resize(ReadCount(AircraftType::kMaxLateralPoints));
    for (LateralPoint& p : t.lateralEnvelope) {
        p.arm = ReadNumber();
        p.lateralOffset = ReadNumber();
    }
}

void AircraftFileReader::ReadStations(AircraftType& t) {
    t.stations.resize(ReadCount(AircraftType::kMaxStations));
    for (Station& s : t.stations)
        ReadStation(s, t.IsRotary());
}

void AircraftFileReader::ReadStation(Station& s, bool rotary) {
    if (version_ == kAircraftFileOldVersion) {
        // The whole in-memory record; only the fields version 6 stores are taken, so that the
        // rewrite loses nothing: the working ones (weight, an unused value, moment, lateral
        // moment) start at 0, and the lateral offset counts only for rotary types.
        s.name = ReadName();
        in_.F64();
        s.maxWeight = ReadNumber();
        in_.F64();
        s.arm = ReadNumber();
        in_.F64();
        const double lateralOffset = ReadNumber();
        s.lateralOffset = rotary ? lateralOffset : 0.0;
        in_.F64();
        return;
    }
    s.name = ReadName();
    s.maxWeight = ReadNumber();
    s.arm = ReadNumber();
    if (rotary)
        s.lateralOffset = ReadNumber();
}

void AircraftFileReader::ReadTanks(AircraftType& t) {
    t.tanks.resize(ReadCount(AircraftType::kMaxTanks));
    for (FuelTank& tank : t.tanks)
        ReadTank(tank, t.IsRotary());
}

void AircraftFileReader::ReadTank(FuelTank& tank, bool rotary) {
    tank.name = ReadName();
    tank.capacity = ReadNumber();
    tank.arm = ReadNumber();
    if (rotary)
        tank.lateralOffset = ReadNumber();
    tank.startupQuantity = ReadNumber();
    tank.rows.resize(ReadCount(FuelTank::kMaxRows));
    for (TankArmRow& row : tank.rows)
        row.capacity = ReadNumber();
    for (TankArmRow& row : tank.rows)
        row.arm = ReadNumber();
}

void AircraftFileReader::ReadFuelQuantities(AircraftType& t) {
    t.fuelQuantities.resize(ReadCount(AircraftType::kMaxFuelQuantities));
    for (FuelQuantity& q : t.fuelQuantities) {
        q.title = ReadFixedName(in_).value_or(QString());
        for (double& quantity : q.quantities)
            quantity = ReadNumber();
    }
}

bool AircraftFileReader::ReadAircraft(Aircraft& a) {
    a.id = in_.I32();
    a.typeId = in_.I32();
    a.ident = ReadName();
    a.emptyWeight = ReadNumber();
    a.emptyArm = ReadNumber();
    a.emptyLateralArm = ReadNumber();
    return in_.Ok();
}

// Version 5 names are 16 UTF-16 units, version 6 names length-prefixed UTF-8.
QString AircraftFileReader::ReadName() {
    if (version_ == kAircraftFileOldVersion)
        return ReadFixedName(in_).value_or(QString());
    return ReadUtf8String(in_, kFixedNameUnits).value_or(QString());
}

int AircraftFileReader::ReadCount(int limit) {
    const int count = in_.I32();
    if (!in_.Ok() || count < 0 || count > limit) {
        in_.Fail();
        return 0;
    }
    return count;
}

double AircraftFileReader::ReadNumber() {
    const double value = in_.F64();
    if (!std::isfinite(value))
        in_.Fail();
    return value;
}
