#include "core/calculators/TimeSpeedDistance.h"

namespace {

constexpr RateTimeAmountRules kTimeSpeedDistance{kSpeedLabel, kDistanceLabel, true, true,
                                                 "Please enter the speed or the time."};
constexpr RateTimeAmountRules kFuelBurn{kFuelBurnLabel, kFuelQuantityLabel, false, false,
                                        "Please enter the fuel burn or the time."};

} // namespace

CalcResult TimeSpeedDistance(const QString& speed, const QString& distance, const QString& time) {
    return SolveRateTimeAmount(kTimeSpeedDistance, speed, distance, time);
}

CalcResult FuelBurn(const QString& fuelBurn, const QString& fuelQuantity, const QString& time) {
    return SolveRateTimeAmount(kFuelBurn, fuelBurn, fuelQuantity, time);
}
