#include "core/weight-balance/FuelSelection.h"

namespace {

const char* const kFixedNames[] = {"Full", "3/4", "1/2", "1/4"};
constexpr double kFractions[] = {1.0, 0.75, 0.5, 0.25};
const QString kCustom = QStringLiteral("Custom");

bool IsKnown(const AircraftType& type, int selection) {
    return selection >= kFuelCustom && selection < kFirstFuelQuantity + type.fuelQuantities.size();
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
    for (int k = 0; k < type.fuelQuantities.size(); ++k) {
        if (type.fuelQuantities[k].title == name)
            return kFirstFuelQuantity + k;
    }
    return kFuelFull;
}

void ApplyFuelSelection(const AircraftType& type, Loading& loading, int selection) {
    if (!IsKnown(type, selection))
        selection = kFuelCustom;
    loading.fuelSelection = selection;
    if (selection == kFuelCustom)
        return;
    for (int i = 0; i < type.tanks.size(); ++i) {
        loading.tanks[i].rampQuantity =
            selection < kFirstFuelQuantity
                ? type.tanks[i].capacity * kFractions[selection]
                : type.fuelQuantities[selection - kFirstFuelQuantity].quantities[i];
    }
}
