#include "core/calculators/DistanceVolumeConversion.h"

#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"

#include <array>

namespace {

struct SourceUnit {
    const char* unit;
    const char* firstTarget;
    double firstFactor;
    const char* secondTarget;
    double secondFactor;
};

constexpr std::array<SourceUnit, 3> kDistance{{
    {"Statute Miles", "Nautical Miles", 0.869, "Kilometres", 1.6093},
    {"Nautical Miles", "Statute Miles", 1.1508, "Kilometres", 1.852},
    {"Kilometres", "Nautical Miles", 0.53995, "Statute Miles", 0.62137},
}};

constexpr std::array<SourceUnit, 3> kVolume{{
    {"US Gallons", "Imp. Gallons", 0.833, "Litres", 3.786},
    {"Imp. Gallons", "US Gallons", 1.2005, "Litres", 4.5446},
    {"Litres", "US Gallons", 0.2642, "Imp. Gallons", 0.2204},
}};

const std::array<SourceUnit, 3>& Table(ConversionKind kind) {
    return kind == ConversionKind::Distance ? kDistance : kVolume;
}

const SourceUnit* Source(ConversionKind kind, int index) {
    if (index < 0 || index >= static_cast<int>(Table(kind).size()))
        return nullptr;
    return &Table(kind)[static_cast<size_t>(index)];
}

// Rounded once, to the nearest tenth: adding 0.05 before "%.1f" rounded twice and showed a
// statute mile as 1.7 km.
QString Shown(double value) {
    return FormatText("%.1f", value);
}

} // namespace

QStringList ConversionUnits(ConversionKind kind) {
    QStringList units;
    for (const SourceUnit& source : Table(kind))
        units.append(QString::fromUtf8(source.unit));
    return units;
}

QStringList ConversionTargets(ConversionKind kind, int sourceIndex) {
    const SourceUnit* source = Source(kind, sourceIndex);
    if (!source)
        return {};
    return {QString::fromUtf8(source->firstTarget), QString::fromUtf8(source->secondTarget)};
}

CalcResult ConvertDistanceOrVolume(ConversionKind kind, int sourceIndex, const QString& input) {
    CalcResult result;
    const SourceUnit* source = Source(kind, sourceIndex);
    if (!source)
        return result;
    const double value = TextToDouble(input);
    result.outputs = {
        {QString::fromUtf8(source->firstTarget), Shown(value * source->firstFactor)},
        {QString::fromUtf8(source->secondTarget), Shown(value * source->secondFactor)}};
    return result;
}
