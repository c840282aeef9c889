#pragma once
// The pilot's loading of an aircraft type: the load on each station, the fuel loaded into and
// burnt from each tank (in the type's fuel unit) and the fuel choice. Entries are by station and
// tank index of the type; entries beyond the type's lists are not used.

#include "core/weight-balance/AircraftType.h"

#include <array>

struct TankLoad {
    double rampQuantity = 0.0; // fuel loaded
    double burn = 0.0;         // fuel used in flight

    bool operator==(const TankLoad&) const = default;
};

struct Loading {
    std::array<double, AircraftType::kMaxStations> stationWeights{};
    std::array<TankLoad, AircraftType::kMaxTanks> tanks{};
    int fuelSelection = 0; // see FuelSelection.h; "Full" by default

    bool operator==(const Loading&) const = default;
};
