#pragma once
// The "Fuel Quantity" dialog: a quantity of fuel converted between volume units and weight units
// by the fuel's density at 15°C.

#include "core/calculators/CalcResult.h"

#include <QStringList>

inline constexpr const char* kFuelResultLabel = "Result";

// "AVGas", "Jet A", "Jet B".
QStringList FuelTypes();
// Source units: "U.S. Gallons", "Imp. Gallons", "Litres", "Pounds", "Kilos" (volumes first).
QStringList FuelSourceUnits();
// The result units of a source unit: "Pounds", "Kilos" for a volume, the three volumes for a
// weight; empty for an index out of range.
QStringList FuelResultUnits(int sourceIndex);
// Pounds per unit of volume (volume index 0-2) of a fuel type (index 0-2); 0 out of range.
double FuelDensity(int fuelType, int volumeUnit);

// Converts the quantity text (no number reads 0) from the source unit into the result unit
// (an index into FuelResultUnits(sourceIndex)): the Result, shown "%.1f". Stops with a message
// when an index is out of range.
CalcResult FuelQuantity(const QString& quantity, int fuelType, int sourceIndex, int resultIndex);
