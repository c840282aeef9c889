#pragma once
// An aircraft type: maximum weights, CG envelope, stations, fuel tanks, custom fuel loads and
// performance, all in the type's own units (flags), exactly as aircraft.db stores it. Views and
// editors work on whole copies; the store's copy changes only through AircraftStore. A loading
// of the type is a separate Loading, its outcome a LoadingResults.

#include "core/common/BoundedList.h"
#include "core/weight-balance/EnvelopePoint.h"
#include "core/weight-balance/FuelQuantity.h"
#include "core/weight-balance/FuelTank.h"
#include "core/weight-balance/LateralPoint.h"
#include "core/weight-balance/Station.h"
#include "core/weight-balance/TypeFlags.h"

#include <QString>

#include <cstdint>

struct AircraftType {
    static constexpr int kMaxEnvelopePoints = 20;
    static constexpr int kMaxStations = 15;
    static constexpr int kMaxTanks = FuelQuantity::kTankSlots;
    static constexpr int kMaxFuelQuantities = 10;
    static constexpr int kMaxLateralPoints = 20;
    static constexpr int kMaxNameLength = 15; // characters of every name, title and ident

    int id = 0;
    QString name;
    BoundedList<EnvelopePoint, kMaxEnvelopePoints> envelope;
    BoundedList<Station, kMaxStations> stations;
    BoundedList<FuelTank, kMaxTanks> tanks;
    BoundedList<FuelQuantity, kMaxFuelQuantities> fuelQuantities;
    BoundedList<LateralPoint, kMaxLateralPoints> lateralEnvelope; // rotary types only
    uint32_t lastChange = 0; // seconds since 2000-01-01 00:00 UTC of the last edit
    TypeFlags flags;
    double maxRampWeight = 0.0;
    double maxZeroFuelWeight = 0.0; // 0 = not limited
    double maxTakeoffWeight = 0.0;
    double maxLandingWeight = 0.0;
    double macLeadingEdge = 0.0; // 0 = no % MAC
    double macLength = 0.0;
    double trueAirspeed = 0.0; // knots
    double fuelBurn = 0.0;     // fuel unit per hour

    bool IsRotary() const { return flags.Has(TypeFlags::Rotary); }

    bool operator==(const AircraftType&) const = default;
};
