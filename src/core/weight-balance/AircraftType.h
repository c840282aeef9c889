#pragma once
// An aircraft type: maximum weights, CG envelope, stations, fuel tanks, custom fuel loads and
// performance, all in the type's own units (flags). Views and editors work on whole copies; the
// store's copy changes only through AircraftStore. The working fields (station weights, tank
// loads and burns, results, fuel selection) describe the current loading and are never stored.

#include "core/weight-balance/EnvelopePoint.h"
#include "core/weight-balance/FuelQuantity.h"
#include "core/weight-balance/FuelTank.h"
#include "core/weight-balance/LateralPoint.h"
#include "core/weight-balance/LoadingResults.h"
#include "core/weight-balance/Station.h"
#include "core/weight-balance/TypeFlags.h"

#include <QString>

#include <array>
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
    std::array<EnvelopePoint, kMaxEnvelopePoints> envelope{};
    std::array<Station, kMaxStations> stations{};
    std::array<FuelTank, kMaxTanks> tanks{};
    std::array<FuelQuantity, kMaxFuelQuantities> fuelQuantities{};
    std::array<LateralPoint, kMaxLateralPoints> lateralEnvelope{};
    uint32_t lastChange = 0; // seconds since 2000-01-01 00:00 UTC of the last edit
    int envelopeCount = 0;
    int stationCount = 0;
    int tankCount = 0;
    int fuelQuantityCount = 0;
    int lateralCount = 0;
    int fuelSelection = 0; // working: see FuelSelection.h
    TypeFlags flags;
    double maxRampWeight = 0.0;
    double maxZeroFuelWeight = 0.0; // 0 = not limited
    double maxTakeoffWeight = 0.0;
    double maxLandingWeight = 0.0;
    double macLeadingEdge = 0.0; // 0 = no % MAC
    double macLength = 0.0;
    double trueAirspeed = 0.0; // knots
    double fuelBurn = 0.0;     // fuel unit per hour
    LoadingResults results;    // working

    bool IsRotary() const { return flags.Has(TypeFlags::Rotary); }

    bool operator==(const AircraftType&) const = default;
};
