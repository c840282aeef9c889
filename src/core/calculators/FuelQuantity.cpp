#include "core/calculators/FuelQuantity.h"

#include "core/calculators/CalcStop.h"
#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"

#include <array>

namespace {

constexpr int kVolumeUnits = 3;
constexpr double kKilosPerPound = 0.4536;
constexpr double kPoundsPerKilo = 2.2046;

// Pounds per U.S. gallon, imperial gallon and litre at 15°C.
constexpr std::array<std::array<double, kVolumeUnits>, 3> kDensity{{
    {6.01, 7.2, 1.59},  // AVGas
    {7.0, 8.39, 1.85},  // Jet A
    {6.68, 8.01, 1.77}, // Jet B
}};

constexpr int kPoundsSource = 3; // then Kilos

bool InRange(int index, qsizetype size) {
    return index >= 0 && index < size;
}

} // namespace

QStringList FuelTypes() {
    return {QStringLiteral("AVGas"), QStringLiteral("Jet A"), QStringLiteral("Jet B")};
}

QStringList FuelSourceUnits() {
    return {QStringLiteral("U.S. Gallons"), QStringLiteral("Imp. Gallons"),
            QStringLiteral("Litres"), QStringLiteral("Pounds"), QStringLiteral("Kilos")};
}

QStringList FuelResultUnits(int sourceIndex) {
    if (!InRange(sourceIndex, FuelSourceUnits().size()))
        return {};
    if (sourceIndex < kVolumeUnits)
        return {QStringLiteral("Pounds"), QStringLiteral("Kilos")};
    return FuelSourceUnits().mid(0, kVolumeUnits);
}

double FuelDensity(int fuelType, int volumeUnit) {
    if (!InRange(fuelType, kDensity.size()) || !InRange(volumeUnit, kVolumeUnits))
        return 0.0;
    return kDensity[static_cast<size_t>(fuelType)][static_cast<size_t>(volumeUnit)];
}

CalcResult FuelQuantity(const QString& quantity, int fuelType, int sourceIndex, int resultIndex) {
    if (!InRange(fuelType, kDensity.size()) ||
        !InRange(resultIndex, FuelResultUnits(sourceIndex).size()))
        return StopWith(CalcMessage("Please choose the fuel type and both units."));
    const double q = TextToDouble(quantity);
    double value = 0.0;
    if (sourceIndex < kVolumeUnits) {
        const double pounds = q * FuelDensity(fuelType, sourceIndex);
        value = resultIndex == 0 ? pounds : pounds * kKilosPerPound;
    } else {
        const double density = FuelDensity(fuelType, resultIndex);
        value = sourceIndex == kPoundsSource ? q / density : q * kPoundsPerKilo / density;
    }
    CalcResult result;
    result.outputs = {{kFuelResultLabel, FormatText("%.1f", value)}};
    return result;
}
