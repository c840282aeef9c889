#include "core/weight-balance/FuelSelection.h"

#include <algorithm>

namespace {

const char* const kFixedNames[] = {"Full", "3/4", "1/2", "1/4"};
constexpr double kFractions[] = {1.0, 0.75, 0.5, 0.25};
const QString kCustom = QStringLiteral("Custom");

bool IsKnown(const AircraftType& type, int selection) {
    return selection >= kFuelCustom && selection < kFirstFuelQuantity + type.fuelQuantityCount;
}

} // namespace

QString FuelSelectionName(const AircraftType& type, int selection) {
    if (!IsKnown(type, selection) || selection == kFuelCustom)
        return kCustom;
    if (selection < kFirstFuelQuantity)
        return QString::fromLatin1(kFixedNames[selection]);
    return type.fuelQuantities[selection - kFirstFuelQuantity].title;
}

int FuelSelectionFromName(const AircraftType& type, const QString& name) {
    if (name == kCustom)
        return kFuelCustom;
    for (int i = kFuelThreeQuarters; i < kFirstFuelQuantity; ++i) {
        if (name == QLatin1String(kFixedNames[i]))
            return i;
    }
    const int count = std::clamp(type.fuelQuantityCount, 0, AircraftType::kMaxFuelQuantities);
    for (int k = 0; k < count; ++k) {
        if (type.fuelQuantities[k].title == name)
            return kFirstFuelQuantity + k;
    }
    return kFuelFull;
}

void ApplyFuelSelection(AircraftType& type, int selection) {
    if (!IsKnown(type, selection))
        selection = kFuelCustom;
    type.fuelSelection = selection;
    if (selection == kFuelCustom)
        return;
    for (int i = 0; i < std::clamp(type.tankCount, 0, AircraftType::kMaxTanks); ++i) {
        FuelTank& tank = type.tanks[i];
        tank.rampQuantity = selection < kFirstFuelQuantity
                                ? tank.capacity * kFractions[selection]
                                : type.fuelQuantities[selection - kFirstFuelQuantity].quantities[i];
    }
}
