#pragma once
// The unit and kind bits of an aircraft type. Bits without a name are kept as read and written
// back unchanged.

#include <cstdint>

struct TypeFlags {
    static constexpr uint32_t FuelByWeight = 0x01;      // quantities are weights, else volumes
    static constexpr uint32_t FuelInLitres = 0x02;      // volumes in litres, else US gallons
    static constexpr uint32_t ArmInCentimetres = 0x04;  // arms in centimetres, else inches
    static constexpr uint32_t WeightInKilograms = 0x08; // weights in kilograms, else pounds
    static constexpr uint32_t JetFuel = 0x10;           // Jet A density, else AvGas
    static constexpr uint32_t Rotary = 0x40;            // lateral offsets and envelope in use

    uint32_t bits = 0;

    bool Has(uint32_t flag) const { return (bits & flag) != 0; }
    void Set(uint32_t flag, bool on) { bits = on ? (bits | flag) : (bits & ~flag); }

    bool operator==(const TypeFlags&) const = default;
};
