#pragma once
// A named custom fuel load: a quantity for each tank of the type, in tank order.

#include <QString>

#include <array>

struct FuelQuantity {
    static constexpr int kTankSlots = 6;

    QString title; // at most 15 characters
    std::array<double, kTankSlots> quantities{};

    bool operator==(const FuelQuantity&) const = default;
};
