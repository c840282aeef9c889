#include "core/weight-balance/FuelTankList.h"

#include "core/common/text/Format.h"

#include <algorithm>

Status CanAddTank(const AircraftType& type) {
    if (!type.tanks.full())
        return {};
    return Status::Fail(FormatText("There is a limit of %u fuel tanks.",
                                   static_cast<unsigned>(AircraftType::kMaxTanks)),
                        MessageIcon::Information);
}

Status CanAddFuelQuantity(const AircraftType& type) {
    if (!type.fuelQuantities.full())
        return {};
    return Status::Fail(FormatText("There is a limit of %u fuel quantities.",
                                   static_cast<unsigned>(AircraftType::kMaxFuelQuantities)),
                        MessageIcon::Information);
}

void DeleteTank(AircraftType& type, int index) {
    if (index < 0 || index >= type.tanks.size())
        return;
    type.tanks.erase(index);
    for (FuelQuantity& q : type.fuelQuantities) {
        auto& values = q.quantities;
        std::move(values.begin() + index + 1, values.end(), values.begin() + index);
        values.back() = 0.0;
    }
}

void DeleteFuelQuantity(AircraftType& type, int index) {
    if (index >= 0 && index < type.fuelQuantities.size())
        type.fuelQuantities.erase(index);
}
